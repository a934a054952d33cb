#include "compile/CImageMap.h"

#include <cstdio>

#include "base/CJson.h"

namespace zl {
namespace {

CJson hex(std::uint16_t address)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", unsigned(address));
    return CJson(text);
}

CJson describe(const CImageMap::Window& w)
{
    CJson components = CJson::array();
    for (const auto& c : w.components) {
        components.push(CJson::object()
                            .set("listPosition", c.listPosition)
                            .set("typeCode", c.typeCode)
                            .set("class", c.className)
                            .set("address", hex(c.address))
                            .set("size", c.size));
    }
    CJson tables = CJson::array();
    for (const auto& t : w.textTables) {
        tables.push(CJson::object()
                        .set("listPosition", t.listPosition)
                        .set("address", hex(t.address))
                        .set("size", t.size));
    }
    return CJson::object()
        .set("number", w.number)
        .set("entry", hex(w.entry))
        .set("componentCount", w.components.size())
        .set("upJump", w.upJump)
        .set("downJump", w.downJump)
        .set("pointerTable", hex(w.pointerTable))
        .set("components", std::move(components))
        .set("textTables", std::move(tables));
}

} // namespace

CJson CImageMap::Describe() const
{
    CJson windowList = CJson::array();
    for (const auto& w : windows)
        windowList.push(describe(w));
    return CJson::object()
        .set("imageAddress", hex(0x8000))
        .set("imageSize", imageSize)
        .set("windowTable", hex(windowTable))
        .set("alarmList", hex(alarmList))
        .set("glyphArea", hex(glyphArea))
        .set("singleByteGlyphs", hex(singleByteGlyphs))
        .set("pictureData", hex(pictureData))
        .set("glyphs", CJson::object()
                           .set("led", ledGlyphs)
                           .set("symbols", symbols)
                           .set("doubleByte", doubleByteChars)
                           .set("singleByte", singleByteChars))
        .set("pictureBytes", pictureBytes)
        .set("alarmTexts", alarmTexts)
        .set("windows", std::move(windowList));
}

} // namespace zl
