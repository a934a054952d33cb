#include "components/CFunction.h"

#include <algorithm>
#include <array>

#include "components/CPreviewPictures.h"
#include "plc/CProtocolTables.h"
#include "model/CArchive.h"
#include "model/CCompileContext.h"
#include "base/CJson.h"
#include "plc/CVariableDictionary.h"

namespace zl {
namespace {
constexpr std::size_t kReserved = 98;
constexpr std::size_t kSymbolsAt = 16;

// The keypad's code of each key: ESC, Left, Right, Down, Up, SET, ENT, ALM, 0 … 9, +/-, CLR.
constexpr std::array<std::uint8_t, CFunction::kKeyCount> kKeyCodes = {0,  4,  6,  2,  3,  5,  7,  1,  10, 13,
                                                                     12, 11, 18, 19, 14, 15, 16, 17, 9,  8};

// Operations of the record.
constexpr std::uint8_t kJumpOperation = 0x80;
constexpr std::uint8_t kSetRegisterOperation = 5;

// The position of `symbol` in the project's symbols, appended at its first use.
std::uint8_t symbolIndex(Bytes& symbols, std::uint8_t symbol)
{
    auto it = std::find(symbols.begin(), symbols.end(), symbol);
    if (it == symbols.end())
        it = symbols.insert(symbols.end(), symbol);
    return static_cast<std::uint8_t>(it - symbols.begin());
}
} // namespace

CFunction::CFunction() : CLightFunc(0) { typeCode = kFunctionKey; }

CFunction::CFunction(unsigned protocol, CPoint canvas) : CLightFunc(protocol)
{
    typeCode = kFunctionKey;
    shapeOrKey = 2; // "Right"
    action = protocolDescriptor(protocol).functionKeyJumps ? kJumpTo : kSetCoil;
    MoveTo(canvas.x, canvas.y);
}

void CFunction::Serialize(CArchive& ar)
{
    CLightFunc::Serialize(ar);
    if (ar.IsStoring()) {
        for (const std::uint8_t b : {hand, invisible, password, action, coilAction, jumpTarget})
            ar.writeByte(b);
        ar.writeWord(windowNumber);
        ar.writeInt32(value);
        ar.writeByte(keyByteB);
        ar.writeByte(keyByteA);
        ar.writeByte(subType);
        ar.writeWord(protocol31Address);
        ar.writeByte(protocol31RegisterTypeValue);
        ar.writeByte(protocol31CoilTypeValue);
        ar.writeReserved(kReserved);
        return;
    }
    for (std::uint8_t* b : {&hand, &invisible, &password, &action, &coilAction, &jumpTarget})
        *b = ar.readByte();
    windowNumber = ar.readWord();
    value = ar.readInt32();
    keyByteB = ar.readByte();
    keyByteA = ar.readByte();
    if (ar.version() > 10) {
        subType = ar.readByte();
        protocol31Address = ar.readWord();
        protocol31RegisterTypeValue = ar.readByte();
        protocol31CoilTypeValue = ar.readByte();
    }
    ar.readReserved(kReserved);
    MoveToPanelPosition();
}

void CFunction::SetAttribute(std::uint8_t v, int selector)
{
    switch (selector) {
    case kActionSelector: action = v; break;
    case kCoilActionSelector: coilAction = v; break;
    case kJumpTargetSelector: jumpTarget = v; break;
    default: break;
    }
}

void CFunction::Draw(CPainter& painter) const
{
    if (!hand) {
        DrawPreviewPicture(painter, KeyPicture(), rect);
        return;
    }
    const int middle = (rect.left + rect.right) / 2;
    DrawPreviewPicture(painter, HandPicture(), {rect.left, rect.top, middle, rect.bottom});
    DrawPreviewPicture(painter, KeyPicture(), {middle, rect.top, rect.right, rect.bottom});
}

void CFunction::MoveTo(int cx, int cy)
{
    const int cell = (doubleSize + 1) * 36;
    rect = {cx, cy, cx + cell * (hand ? 2 : 1), cy + cell};
    x = canvasToPanel(cx);
    y = canvasToPanel(cy);
}

std::uint8_t CFunction::Key() const { return std::min<std::uint8_t>(shapeOrKey, kKeyCount - 1); }

std::uint8_t CFunction::KeyCode() const { return kKeyCodes[Key()]; }

const std::vector<std::string>& CFunction::KeyNames()
{
    static const std::vector<std::string> names = {"ESC", "Left", "Right", "Down", "Up",  "SET", "ENT",
                                                   "ALM", "0",    "1",     "2",    "3",   "4",   "5",
                                                   "6",   "7",    "8",     "9",    "+/-", "CLR"};
    return names;
}

std::uint8_t CFunction::KeyPicture() const
{
    return static_cast<std::uint8_t>(invisible ? 6 + 3 * Key() : 4 + 3 * Key() + (reverse ? 1 : 0));
}

void CFunction::SetValueFormat(std::uint8_t valueFormat)
{
    keyByteB = valueFormat;
    keyByteA = isSigned = valueFormat == kSigned ? 1 : 0;
}

void CFunction::CalcDownloadSize(CCompileContext&) { downloadSize = static_cast<std::uint16_t>(17 + (hand ? 1 : 0)); }

void CFunction::BuildDownloadData(CCompileContext& ctx)
{
    CLightFunc::BuildDownloadData(ctx);
    if (record.size() < kSymbolsAt + 1)
        return;
    const CProtocolDescriptor& protocol = ctx.tables.descriptor();
    const bool named = protocol.namedVariables;
    record[2] = static_cast<std::uint8_t>((reverse ? 0x01 : 0) | (doubleSize ? 0x02 : 0) | (invisible ? 0x04 : 0) |
                                          (password ? 0x40 : 0));
    record[9] = KeyCode();
    switch (action) {
    case kSetCoil: {
        const std::uint8_t typeValue =
            named ? protocol31CoilTypeValue
                  : ctx.tables.typeValue(registerType, protocol.coilTypeFromBitList ? kBitList : kThirdList);
        WriteOperand(&record[3], typeValue, BitOperandAddress(protocol, protocol31Address));
        record[10] = static_cast<std::uint8_t>(coilAction + 1);
        putBe32(&record[11], static_cast<std::uint32_t>(value));
        break;
    }
    case kJumpTo:
        record[10] = static_cast<std::uint8_t>(kJumpOperation + jumpTarget);
        putBe16(&record[13], windowNumber);
        break;
    case kSetRegister:
        WriteOperand(&record[3], named ? protocol31RegisterTypeValue : ctx.tables.typeValue(registerType, kWordList),
                     named ? protocol31Address : address);
        record[10] = kSetRegisterOperation;
        putBe32(&record[11], static_cast<std::uint32_t>(value));
        break;
    default:
        break;
    }
    record[15] = static_cast<std::uint8_t>(2 * (hand ? 2 : 1));
    if (password)
        ctx.writeFlag = 1;
}

void CFunction::CollectCharacters(CCompileContext& ctx)
{
    if (record.size() < downloadSize || downloadSize < kSymbolsAt + 1)
        return;
    std::size_t at = kSymbolsAt;
    if (hand)
        record[at++] = symbolIndex(ctx.symbolCodes, kHandSymbol);
    record[at] = symbolIndex(ctx.symbolCodes, Key());
}

void CFunction::WriteTextCodes(std::uint16_t offset)
{
    if (record.size() <= kSymbolsAt)
        return;
    const std::size_t symbols = std::min<std::size_t>(record[15] / 2, record.size() - kSymbolsAt);
    for (std::size_t i = 0; i < symbols; ++i)
        record[kSymbolsAt + i] = static_cast<std::uint8_t>(record[kSymbolsAt + i] + offset);
}

std::pair<std::int64_t, std::int64_t> CFunction::ValueRange(const CProtocolTables& tables) const
{
    const unsigned unit =
        tables.descriptor().namedVariables ? 2 : (tables.typeValue(registerType, kWordList) & 0x0F);
    // The value is 32 bits; a type without a unit size is taken as a word.
    const int bits = unit == 0 ? 16 : static_cast<int>(std::min(8 * unit, 32u));
    if (keyByteB == kSigned)
        return {-(std::int64_t{1} << (bits - 1)), (std::int64_t{1} << (bits - 1)) - 1};
    return {0, (std::int64_t{1} << bits) - 1};
}

void CFunction::DeriveVariable()
{
    const bool coil = action == kSetCoil;
    const int kind = coil ? kWriteBits : kWriteWords;
    const auto number = CVariableDictionary::variableNumber(registerType, subType, kind);
    const auto typeValue = CVariableDictionary::typeValue(registerType, subType, kind);
    subAddress = number;
    (coil ? protocol31CoilTypeValue : protocol31RegisterTypeValue) = typeValue;
    const auto& groups = CVariableDictionary::groups(kind);
    const std::uint8_t group = registerType < groups.size() ? CVariableDictionary::groupCode(groups[registerType]) : 0;
    protocol31Address = static_cast<std::uint16_t>((group << 8) | (address & 0xFF));
}

void CFunction::Describe(CJson& o) const
{
    CBase::Describe(o);
    o.set("key", shapeOrKey);
    o.set("hand", hand);
    o.set("invisible", invisible);
    o.set("password", password);
    o.set("action", action);
    o.set("coilAction", coilAction);
    o.set("jumpTarget", jumpTarget);
    o.set("windowNumber", windowNumber);
    o.set("value", value);
    o.set("valueFormat", keyByteB);
    o.set("protocol31Address", protocol31Address);
    o.set("protocol31RegisterTypeValue", protocol31RegisterTypeValue);
    o.set("protocol31CoilTypeValue", protocol31CoilTypeValue);
}

} // namespace zl
