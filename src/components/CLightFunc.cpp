#include "components/CLightFunc.h"

#include "model/CArchive.h"
#include "plc/CProtocolDescriptor.h"

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

std::uint16_t CLightFunc::BitOperandAddress(const CProtocolDescriptor& protocol,
                                            std::uint16_t protocol31Address) const
{
    if (protocol.namedVariables)
        return protocol31Address;
    if (protocol.bitsInWords)
        return static_cast<std::uint16_t>(subAddress + 16 * address);
    return address;
}

} // namespace zl
