#include "model/CAlarmList.h"

#include <algorithm>
#include <initializer_list>

#include "model/TextCodes.h"
#include "plc/CProtocolTables.h"
#include "model/CArchive.h"
#include "model/CBase.h"
#include "model/CCompileContext.h"
#include "base/CJson.h"

namespace zl {
namespace {

constexpr std::size_t kCoilBytes = 10;
constexpr std::size_t kEntryBytes = 3;
constexpr std::size_t kTextRecordHeader = 18;
constexpr std::size_t kReserved = 100;


// Protocols whose drivers take the coil as a plain bit number: length code and bit field B come from the
// register unit and the offset.
bool bitNumbered(unsigned p) { return isOneOf(p, {9, 31, 33}) || p < 2 || p > 34; }

std::uint8_t lo(unsigned v) { return static_cast<std::uint8_t>(v); }

// Bit areas named by letter, for the drivers that want the area in the high four bits only.
std::uint8_t letterTypeValue(const CProtocolTables& t, unsigned registerType)
{
    const std::string& name = t.registerTypeName(registerType, kBitList);
    if (t.protocol == 28) {
        static const char* const letters[] = {"X", "Y", "M", "S", "T", "C"};
        for (unsigned i = 0; i < 6; ++i) {
            if (name == letters[i])
                return static_cast<std::uint8_t>(0x12 + 0x10 * i);
        }
    } else if (name == "M") {
        return 0x12;
    } else if (name == "Q") {
        return 0x22;
    }
    return 0x00;
}

std::uint8_t alarmTypeValue(const CProtocolTables& t, unsigned rt)
{
    const unsigned p = t.protocol;
    if (isOneOf(p, {19, 25}))
        return rt == 1 ? 0x12 : t.typeValue(rt, kThirdList);
    if (p == 20)
        return lo(t.typeValue(rt, kThirdList) + 2u);
    if (isOneOf(p, {23, 24}))
        return t.typeValue(rt, kBitList);
    if (p == 26) // the protocol offers two alarm areas; a larger index takes the second
        return rt == 0 ? 0xB2 : 0xD2;
    if (p == 27)
        return t.typeValue(rt + 1, kWordList);
    if (isOneOf(p, {28, 29, 30}))
        return letterTypeValue(t, rt);
    return t.typeValue(rt, kThirdList);
}

} // namespace

CAlarmList::CAlarmList(unsigned protocol) : station(protocol == 5 ? 0 : protocol == 2 ? 2 : 1) {}

void CAlarmList::Reset(unsigned protocol)
{
    texts.clear();
    station = defaultOperandStation(protocol);
    address = protocol == 5 ? 16 : 0;
    offset = 0;
    subAddress = 0;
}

void CAlarmList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.writeByte(station);
        ar.writeWord(address);
        ar.writeByte(subAddress);
        ar.writeByte(registerType);
        ar.writeByte(offset);
        ar.writeReserved(kReserved);
        ar.writeCount(static_cast<std::uint32_t>(texts.size()));
        for (const auto& t : texts)
            ar.writeText(t);
        return;
    }
    station = ar.readByte();
    address = ar.readWord();
    subAddress = ar.readByte();
    registerType = ar.readByte();
    offset = ar.readByte();
    ar.readReserved(kReserved);
    texts.clear();
    const std::uint32_t n = ar.readCount(1);
    texts.reserve(n);
    for (std::uint32_t i = 0; i < n; ++i)
        texts.push_back(ar.readText());
}

std::uint8_t CAlarmList::TypeValue(const CProtocolTables& t) const
{
    return alarmTypeValue(t, registerType);
}

void CAlarmList::CalcDownloadSize()
{
    headerSize = kEntryBytes * texts.size() + kCoilBytes;
    recordLengths.clear();
    recordsSize = 0;
    for (const auto& t : texts) {
        recordLengths.push_back(t.size() + kTextRecordHeader);
        recordsSize += recordLengths.back();
    }
}

void CAlarmList::Place(std::uint16_t& running)
{
    running = static_cast<std::uint16_t>(running + headerSize);
    m_placed.clear();
    for (const std::size_t length : recordLengths) {
        m_placed.push_back(running);
        running = static_cast<std::uint16_t>(running + length);
    }
}

void CAlarmList::WriteCoil(std::uint8_t* h, const CCompileContext& ctx) const
{
    const unsigned p = ctx.protocol();
    const unsigned a = address;
    const unsigned a1 = static_cast<std::uint16_t>(address - 1); // the drivers that count from 1
    const bool pairedWords = isOneOf(p, {19, 25}) && registerType == 1;
    const std::uint8_t type = TypeValue(ctx.tables);

    h[0] = lo(texts.size());
    h[1] = 1;
    h[2] = 0;
    h[3] = station;
    h[4] = type;

    unsigned word = a; // bytes 5 and 6 as one big-endian value, when the protocol takes them so
    if (isOneOf(p, {3, 8, 10, 13, 16, 17, 34}))
        word = ((a >> 13) << 8) | lo(a >> 5);
    else if (p == 4)
        word = ((a >> 11) << 8) | lo(a >> 3);
    else if (isOneOf(p, {7, 20, 23, 26, 28}))
        word = ((a >> 12) << 8) | lo(a >> 4);
    else if (pairedWords)
        word = a1 / 2;
    else if (isOneOf(p, {19, 21, 25}))
        word = ((a1 >> 13) << 8) | lo(a1 >> 5);
    else if (isOneOf(p, {29, 30}))
        word = ((a >> 9) << 8) | lo(a >> 1);
    putBe16(h + 5, word);

    if (isOneOf(p, {2, 4}))
        h[7] = 1;
    else if (isOneOf(p, {3, 8, 10, 13, 16, 17, 19, 21, 25, 34}))
        h[7] = 4;
    else if (p == 24)
        h[7] = 0;
    else if (bitNumbered(p))
        h[7] = type & 0x0F;
    else
        h[7] = 2;

    if (isOneOf(p, {3, 8, 13, 16, 34}))
        h[8] = lo(a & 0x1F);
    else if (isOneOf(p, {7, 20, 23}))
        h[8] = lo(a & 0x0F);
    else if (isOneOf(p, {24, 29, 30}))
        h[8] = 0;
    else
        h[8] = subAddress;

    if (isOneOf(p, {3, 7, 8, 13, 16, 24, 34}))
        h[9] = 0;
    else if (p == 4)
        h[9] = lo(a & 7);
    else if (isOneOf(p, {10, 17}))
        h[9] = lo(a & 0x1F);
    else if (isOneOf(p, {20, 23, 26, 28}))
        h[9] = lo(a & 0x0F);
    else if (pairedWords)
        h[9] = lo(subAddress + 16 * (a1 % 2));
    else if (isOneOf(p, {19, 21, 25}))
        h[9] = lo(a1 & 0x1F);
    else if (isOneOf(p, {29, 30}))
        h[9] = lo(subAddress + 8 * (a % 2));
    else if (bitNumbered(p))
        h[9] = offset;
    else
        h[9] = subAddress;
}

void CAlarmList::BuildDownloadData(CCompileContext& ctx, std::uint16_t doubleByteBase)
{
    CalcDownloadSize(); // the records must hold the texts as they are now
    headerRecord.assign(headerSize, 0);
    textRecords.assign(recordsSize, 0);
    WriteCoil(headerRecord.data(), ctx);
    std::size_t p = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::uint8_t* entry = headerRecord.data() + kCoilBytes + kEntryBytes * i;
        entry[0] = lo(i);
        putBe16(entry + 1, i < m_placed.size() ? m_placed[i] : 0);
        const std::string& text = texts[i];
        textRecords[p] = lo(text.size());
        WriteTextCodesInto(text, textRecords.data() + p + kTextRecordHeader, doubleByteBase, ctx);
        p += recordLengths[i];
    }
}

void CAlarmList::FreeDownloadData()
{
    Bytes().swap(headerRecord);
    Bytes().swap(textRecords);
}

void CAlarmList::Describe(CJson& o) const
{
    o.set("station", station);
    o.set("registerType", registerType);
    o.set("address", address);
    o.set("subAddress", subAddress);
    o.set("offset", offset);
    CJson list = CJson::array();
    for (const auto& t : texts)
        list.push(CJson::text(t));
    o.set("texts", std::move(list));
}

} // namespace zl
