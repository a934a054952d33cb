#include "components/CLightFunc.h"

#include "model/CArchive.h"

namespace zl {

void CLightFunc::Serialize(CArchive& ar)
{
    CBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar.writeByte(doubleSize);
        ar.writeByte(reverse);
        ar.writeByte(subAddress);
        ar.writeByte(shapeOrKey);
        ar.writeByte(station);
        ar.writeByte(registerType);
        ar.writeWord(address);
    } else {
        doubleSize = ar.readByte();
        reverse = ar.readByte();
        subAddress = ar.readByte();
        shapeOrKey = ar.readByte();
        station = ar.readByte();
        registerType = ar.readByte();
        address = ar.readWord();
    }
}

void CLightFunc::BuildDownloadData(CCompileContext& ctx)
{
    CBase::BuildDownloadData(ctx);
    if (record.size() > 8) {
        record[3] = station;
        record[8] = subAddress;
    }
}

std::uint16_t CLightFunc::BitOperandAddress(unsigned protocol, std::uint16_t protocol31Address) const
{
    switch (protocol) {
    case 11: case 12: case 18: case 22:
        return static_cast<std::uint16_t>(subAddress + 16 * address);
    case 31:
        return protocol31Address;
    default:
        return address;
    }
}

} // namespace zl
