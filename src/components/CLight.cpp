#include "components/CLight.h"

#include <algorithm>

#include "components/CPreviewPictures.h"
#include "plc/CProtocolTables.h"
#include "model/CArchive.h"
#include "model/CCompileContext.h"
#include "base/CJson.h"
#include "plc/CVariableDictionary.h"

namespace zl {
namespace {
constexpr std::size_t kReserved = 50;
constexpr std::uint16_t kRecordSize = 12;
} // namespace

CLight::CLight() : CLightFunc(0) { typeCode = kLed; }

CLight::CLight(unsigned protocol, CPoint canvas) : CLightFunc(protocol)
{
    typeCode = kLed;
    if (protocolDescriptor(protocol).namedVariables) {
        address = 1;
        subAddress = 1;
        protocol31Address = kDefaultVariableAddress;
    }
    MoveTo(canvas.x, canvas.y);
}

void CLight::Serialize(CArchive& ar)
{
    CLightFunc::Serialize(ar);
    if (ar.IsStoring()) {
        ar.writeByte(bitOffset);
        ar.writeByte(subType);
        ar.writeByte(protocol31TypeValue);
        ar.writeWord(protocol31Address);
        ar.writeReserved(kReserved);
        return;
    }
    bitOffset = ar.readByte();
    if (ar.version() > 10) {
        subType = ar.readByte();
        protocol31TypeValue = ar.readByte();
        protocol31Address = ar.readWord();
    } else if (protocolDescriptor(ar.protocol()).namedVariables) {
        protocol31Address = kDefaultVariableAddress; // what a new one gets
    }
    ar.readReserved(kReserved);
    MoveToPanelPosition();
}

void CLight::Draw(CPainter& painter) const { DrawPreviewPicture(painter, PreviewPicture(), rect); }

void CLight::MoveTo(int cx, int cy)
{
    const int side = doubleSize * 36 + 36;
    rect = {cx, cy, cx + side, cy + side};
    x = canvasToPanel(cx);
    y = canvasToPanel(cy);
}

void CLight::CalcDownloadSize(CCompileContext&) { downloadSize = kRecordSize; }

void CLight::BuildDownloadData(CCompileContext& ctx)
{
    CLightFunc::BuildDownloadData(ctx);
    if (record.size() < kRecordSize)
        return;
    const CProtocolDescriptor& protocol = ctx.tables.descriptor();
    const std::uint8_t typeValue =
        protocol.namedVariables ? protocol31TypeValue : ctx.tables.typeValue(registerType, kThirdList);
    record[2] = static_cast<std::uint8_t>(doubleSize * 2);
    WriteOperand(&record[3], typeValue, BitOperandAddress(protocol, protocol31Address));
    record[9] = bitOffset;
    record[10] = static_cast<std::uint8_t>(2 * shapeOrKey + reverse);
    record[11] = static_cast<std::uint8_t>(2 * shapeOrKey + (1 - reverse));
}

std::uint8_t CLight::PreviewPicture() const { return static_cast<std::uint8_t>(2 * shapeOrKey + reverse); }

int CLight::BitOffsetMax(const CProtocolTables& tables) const
{
    const int unit =
        tables.descriptor().namedVariables ? 2 : (tables.typeValue(registerType, kThirdList) & 0x0F);
    return std::max(0, 8 * unit - 1);
}

void CLight::DeriveVariable()
{
    subAddress = CVariableDictionary::variableNumber(registerType, subType, kReadBits);
    protocol31TypeValue = CVariableDictionary::typeValue(registerType, subType, kReadBits);
}

void CLight::Describe(CJson& o) const
{
    CBase::Describe(o);
    o.set("shape", shapeOrKey);
    o.set("bitOffset", bitOffset);
    o.set("protocol31Address", protocol31Address);
    o.set("protocol31TypeValue", protocol31TypeValue);
}

} // namespace zl
