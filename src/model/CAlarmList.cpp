#include "model/CAlarmList.h"

#include <algorithm>

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

std::uint8_t lo(unsigned v) { return static_cast<std::uint8_t>(v); }

std::uint8_t coilTypeValue(const CProtocolTables& t, const CAlarmCoil& coil, unsigned registerType)
{
    switch (coil.typeRule) {
    case CAlarmCoil::kThirdList:
        break;
    case CAlarmCoil::kThirdListPlus2:
        return lo(t.typeValue(registerType, kThirdList) + 2u);
    case CAlarmCoil::kBitList:
        return t.typeValue(registerType, kBitList);
    case CAlarmCoil::kNextWordArea:
        return t.typeValue(registerType + 1, kWordList);
    case CAlarmCoil::kListed:
        return coil.listedTypes[registerType == 0 ? 0 : 1];
    case CAlarmCoil::kLetters: {
        const std::string& name = t.registerTypeName(registerType, kBitList);
        for (const auto& [letter, value] : coil.letterTypes) {
            if (name == letter)
                return value;
        }
        return 0x00;
    }
    }
    return t.typeValue(registerType, kThirdList);
}

const CAlarmCoil& coilOf(const CProtocolDescriptor& d, unsigned registerType)
{
    return registerType == 1 && d.alarmCoilOfType1 ? *d.alarmCoilOfType1 : d.alarmCoil;
}

// Bit field A or B of the coil header from the list's sub-address and offset and the encoded address.
std::uint8_t coilField(CAlarmCoil::Field field, std::uint8_t value, unsigned address, std::uint8_t subAddress,
                       std::uint8_t offset)
{
    switch (field) {
    case CAlarmCoil::kSubAddress:
        break;
    case CAlarmCoil::kAddressBits:
        return lo(address & value);
    case CAlarmCoil::kZero:
        return 0;
    case CAlarmCoil::kOffset:
        return offset;
    case CAlarmCoil::kSubAddressOddWord:
        return lo(subAddress + value * (address % 2));
    }
    return subAddress;
}

} // namespace

CAlarmList::CAlarmList(unsigned protocol) : station(protocolDescriptor(protocol).alarmStation) {}

void CAlarmList::Reset(unsigned protocol)
{
    texts.clear();
    station = defaultOperandStation(protocol);
    address = protocolDescriptor(protocol).alarmAddress;
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
    return coilTypeValue(t, coilOf(t.descriptor(), registerType), registerType);
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
    const CAlarmCoil& coil = coilOf(ctx.tables.descriptor(), registerType);
    const unsigned a = coil.countsFromOne ? static_cast<std::uint16_t>(address - 1) : address;
    const std::uint8_t type = TypeValue(ctx.tables);

    h[0] = lo(texts.size());
    h[1] = 1;
    h[2] = 0;
    h[3] = station;
    h[4] = type;
    const unsigned shift = coil.addressShift;
    putBe16(h + 5, ((a >> (8 + shift)) << 8) | lo(a >> shift));
    h[7] = coil.lengthCode == CAlarmCoil::kLengthOfType ? lo(type & 0x0F) : coil.lengthCode;
    h[8] = coilField(coil.fieldA, coil.valueA, a, subAddress, offset);
    h[9] = coilField(coil.fieldB, coil.valueB, a, subAddress, offset);
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
