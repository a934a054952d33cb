#include "file/CProjectText.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <vector>

#include "base/CJsonWriter.h"
#include "base/CJsonReader.h"
#include "base/Gbk.h"
#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CComponentFactory.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "file/CProjectFile.h"
#include "model/CProject.h"

namespace zl
{
namespace
{

// The version of this text layout, the value of the root's first member.
constexpr std::int64_t kTextVersion = 1;
constexpr const char* kVersionKey = "zl410Project";

// One whole-number field of an `Object`: its name in the text, the values it may take and its member.
template <class Object> struct CField {
    const char* name;
    std::int64_t min;
    std::int64_t max;
    std::int64_t (*get)(const Object&);
    void (*set)(Object&, std::int64_t);
};

template <class M> struct CMemberOf;
template <class C, class T> struct CMemberOf<T C::*> {
    using Owner = C;
    using Type = T;
};

// The field of `Member` (of Object or a class derived from it), over the whole range of its type unless
// told otherwise.
template <class Object, auto Member>
CField<Object> field(const char* name, std::int64_t min = std::numeric_limits<typename CMemberOf<decltype(Member)>::Type>::min(),
                     std::int64_t max = std::numeric_limits<typename CMemberOf<decltype(Member)>::Type>::max())
{
    using Owner = typename CMemberOf<decltype(Member)>::Owner;
    using Type = typename CMemberOf<decltype(Member)>::Type;
    return {name, min, max, [](const Object& o) { return std::int64_t(static_cast<const Owner&>(o).*Member); },
            [](Object& o, std::int64_t v) { static_cast<Owner&>(o).*Member = static_cast<Type>(v); }};
}

template <class Object> struct CGroup {
    const char* name;
    std::vector<CField<Object>> fields;
};

using CComponentGroups = std::vector<CGroup<CBase>>;

bool isAscii(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// --- the groups of every component class, in the order the text shows them

template <auto M> CField<CBase> f(const char* name) { return field<CBase, M>(name); }

CGroup<CBase> shownPlace()
{
    return {"place", {f<&CBase::x>("x"), f<&CBase::y>("y"), f<&CBase::doubleSize>("doubleSize"),
                      f<&CBase::reverse>("reverse")}};
}

template <class C> CGroup<CBase> wordOperand()
{
    return {"operand",
            {f<&CBase::station>("station"), f<&CBase::registerType>("registerType"), f<&CBase::address>("address"),
             f<&CBase::wordCount>("wordCount"), f<&CBase::subAddress>("subAddress"), f<&CBase::subType>("subType"),
             f<&C::protocol31TypeValue>("protocol31TypeValue"), f<&C::protocol31Address>("protocol31Address")}};
}

CGroup<CBase> barTideRange()
{
    return {"range", {f<&CBase::format>("format"), f<&CBase::isSigned>("isSigned"),
                      f<&CBarTide::maxValue>("maxValue"), f<&CBarTide::minValue>("minValue")}};
}

const CComponentGroups& groupsOf(std::string_view className)
{
    static const std::vector<std::pair<std::string_view, CComponentGroups>> classes = {
        {"CChars", {shownPlace()}},
        {"CRegister",
         {shownPlace(), wordOperand<CRegister>(),
          {"display", {f<&CRegister::digits>("digits"), f<&CRegister::decimals>("decimals"),
                       f<&CBase::format>("format"), f<&CBase::isSigned>("isSigned")}},
          {"input",
           {f<&CRegister::set>("set"), f<&CRegister::limited>("limited"), f<&CRegister::password>("password"),
            f<&CRegister::engineeringUnits>("engineeringUnits"), f<&CRegister::maxInput>("maxInput"),
            f<&CRegister::minInput>("minInput"), f<&CRegister::engineeringMax>("engineeringMax"),
            f<&CRegister::engineeringMin>("engineeringMin")}}}},
        {"CDynamic",
         {shownPlace(), wordOperand<CDynamic>(),
          // The file keeps the sign in one byte that reads back as 0 or 1.
          {"display", {f<&CBase::format>("format"), field<CBase, &CBase::isSigned>("isSigned", 0, 1)}}}},
        {"CLight",
         {shownPlace(),
          {"operand",
           {f<&CBase::station>("station"), f<&CBase::registerType>("registerType"), f<&CBase::address>("address"),
            f<&CBase::subAddress>("subAddress"), f<&CBase::subType>("subType"),
            f<&CLight::protocol31TypeValue>("protocol31TypeValue"),
            f<&CLight::protocol31Address>("protocol31Address")}},
          {"led", {f<&CLightFunc::shapeOrKey>("shape"), f<&CLight::bitOffset>("bitOffset")}}}},
        {"CFunction",
         {shownPlace(),
          {"key",
           {f<&CLightFunc::shapeOrKey>("key"), f<&CFunction::hand>("hand"), f<&CFunction::invisible>("invisible"),
            f<&CFunction::password>("password"), f<&CBase::keyByteA>("keyByteA"), f<&CBase::keyByteB>("keyByteB")}},
          {"operand",
           {f<&CBase::station>("station"), f<&CBase::registerType>("registerType"), f<&CBase::address>("address"),
            f<&CBase::subAddress>("subAddress"), f<&CBase::subType>("subType"),
            f<&CFunction::protocol31Address>("protocol31Address"),
            f<&CFunction::protocol31RegisterTypeValue>("protocol31RegisterTypeValue"),
            f<&CFunction::protocol31CoilTypeValue>("protocol31CoilTypeValue")}},
          {"action",
           {f<&CFunction::action>("action"), f<&CFunction::coilAction>("coilAction"),
            f<&CFunction::jumpTarget>("jumpTarget"), f<&CFunction::windowNumber>("windowNumber"),
            f<&CFunction::value>("value")}}}},
        {"CBar",
         {{"place", {f<&CBase::x>("x"), f<&CBase::y>("y"), f<&CBarTide::width>("width"),
                     f<&CBarTide::height>("height"), f<&CBar::direction>("direction")}},
          wordOperand<CBarTide>(), barTideRange()}},
        {"CTide",
         {{"place", {f<&CBase::x>("x"), f<&CBase::y>("y"), f<&CBarTide::width>("width"),
                     f<&CBarTide::height>("height")}},
          wordOperand<CBarTide>(), barTideRange(),
          {"samples", {f<&CTide::sampleInterval>("sampleInterval"), f<&CTide::sampleDots>("sampleDots")}}}},
        {"CUpLoadPic", {{"place", {f<&CBase::x>("x"), f<&CBase::y>("y")}}}},
    };
    for (const auto& [name, groups] : classes)
        if (name == className)
            return groups;
    static const CComponentGroups none;
    return none;
}

// --- the project's own groups

template <auto M> CField<CCommSettings> comm(const char* name) { return field<CCommSettings, M>(name); }
template <auto M> CField<CPanelSettings> panel(const char* name) { return field<CPanelSettings, M>(name); }
template <auto M> CField<CAlarmList> alarm(const char* name) { return field<CAlarmList, M>(name); }
template <auto M> CField<CMainView> window(const char* name) { return field<CMainView, M>(name); }

const std::vector<CField<CCommSettings>> kCommunication = {
    comm<&CCommSettings::baud>("baud"),         comm<&CCommSettings::dataBits>("dataBits"),
    comm<&CCommSettings::stopBits>("stopBits"), comm<&CCommSettings::parity>("parity"),
    comm<&CCommSettings::interface>("interface"), comm<&CCommSettings::plcStation>("plcStation"),
    comm<&CCommSettings::delay>("delay")};
const std::vector<CField<CPanelSettings>> kPanel = {
    panel<&CPanelSettings::initialWindow>("initialWindow"),
    panel<&CPanelSettings::password>("password"),
    panel<&CPanelSettings::screenSaverDelay>("screenSaverDelay"),
    panel<&CPanelSettings::screenSaverAction>("screenSaverAction"),
    panel<&CPanelSettings::screenSaverWindow>("screenSaverWindow"),
    panel<&CPanelSettings::controlStation>("controlStation"),
    panel<&CPanelSettings::controlRegisterType>("controlRegisterType"),
    panel<&CPanelSettings::controlRegisterAddress>("controlRegisterAddress"),
    panel<&CPanelSettings::statusFlags>("statusFlags"),
    panel<&CPanelSettings::registerStep>("registerStep")};
const std::vector<CField<CAlarmList>> kAlarmCoil = {
    alarm<&CAlarmList::station>("station"), alarm<&CAlarmList::address>("address"),
    alarm<&CAlarmList::subAddress>("subAddress"), alarm<&CAlarmList::registerType>("registerType"),
    alarm<&CAlarmList::offset>("offset")};
const std::vector<CField<CMainView>> kWindow = {window<&CMainView::number>("number"),
                                                window<&CMainView::upJump>("upJump"),
                                                window<&CMainView::downJump>("downJump")};

// ============================================================ writing

template <class Object> void writeFields(CJsonWriter& w, const std::vector<CField<Object>>& list, const Object& o)
{
    w.beginObject(true);
    for (const CField<Object>& fd : list)
        w.member(fd.name, fd.get(o));
    w.endObject();
}

std::string hexBytes(const std::uint8_t* p, std::size_t n)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string hex(2 * n, '0');
    for (std::size_t i = 0; i < n; ++i) {
        hex[2 * i] = digits[p[i] >> 4];
        hex[2 * i + 1] = digits[p[i] & 0x0F];
    }
    return hex;
}

// A GBK text as its UTF-8 string where that converts back to the same bytes, else as {"gbk": hex bytes}.
void writeText(CJsonWriter& w, const std::string& gbk)
{
    if (isAscii(gbk)) {
        w.value(gbk);
        return;
    }
    const std::string utf8 = gbkToUtf8(gbk);
    if (const auto back = utf8ToGbk(utf8); back && *back == gbk) {
        w.value(utf8);
        return;
    }
    w.beginObject(true)
        .member("gbk", hexBytes(reinterpret_cast<const std::uint8_t*>(gbk.data()), gbk.size()))
        .endObject();
}

void writeEntries(CJsonWriter& w, const CDynamic& d)
{
    static const std::string none;
    w.beginArray();
    const std::size_t count = std::max({d.contents.size(), d.values.size(), d.valueTexts.size()});
    for (std::size_t i = 0; i < count; ++i) {
        w.beginObject(true).key("content");
        writeText(w, i < d.contents.size() ? d.contents[i] : none);
        w.member("value", i < d.values.size() ? d.values[i] : 0).key("valueText");
        writeText(w, i < d.valueTexts.size() ? d.valueTexts[i] : none);
        w.endObject();
    }
    w.endArray();
}

// Picture rows of its stride, or of 32 bytes while the header names no width.
void writePictureRows(CJsonWriter& w, const CUpLoadPic& p)
{
    const std::size_t stride = p.Stride() > 0 ? static_cast<std::size_t>(p.Stride()) : 32;
    w.beginArray();
    for (std::size_t at = 0; at < p.pixels.size(); at += stride)
        w.value(hexBytes(p.pixels.data() + at, std::min(stride, p.pixels.size() - at)));
    w.endArray();
}

void writeComponent(CJsonWriter& w, const CBase& c)
{
    w.beginObject().member("class", c.GetRuntimeClass());
    for (const CGroup<CBase>& g : groupsOf(c.GetRuntimeClass())) {
        w.key(g.name);
        writeFields(w, g.fields, c);
    }
    if (const auto* chars = dynamic_cast<const CChars*>(&c)) {
        w.key("text");
        writeText(w, chars->text);
    }
    if (const auto* dynamic = dynamic_cast<const CDynamic*>(&c)) {
        w.key("entries");
        writeEntries(w, *dynamic);
    }
    if (const auto* picture = dynamic_cast<const CUpLoadPic*>(&c)) {
        w.member("info", hexBytes(picture->info.data(), picture->info.size())).key("pixels");
        writePictureRows(w, *picture);
    }
    w.endObject();
}

// ============================================================ reading

struct CTextError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Where a value stands ("windows[3].components[2].operand.address"), made into text only for a message.
struct CPath {
    const CPath* parent = nullptr;
    std::string_view name; // a member; empty for an item of an array, or for the root
    std::size_t index = std::string::npos;

    CPath operator/(std::string_view member) const { return {this, member}; }
    CPath operator[](std::size_t i) const { return {this, {}, i}; }
    std::string text() const
    {
        std::string s = parent ? parent->text() : std::string();
        if (!name.empty())
            return s + (s.empty() ? "" : ".") + std::string(name);
        return index == std::string::npos ? s : s + "[" + std::to_string(index) + "]";
    }
};

[[noreturn]] void refuse(const CPath& path, const std::string& why) { throw CTextError(path.text() + ": " + why); }

const CJsonValue& expect(const CJsonValue& v, CJsonValue::Kind kind, const CPath& path)
{
    if (v.kind() != kind)
        refuse(path, std::string("expected ") + CJsonValue::kindName(kind) + ", found " + CJsonValue::kindName(v.kind()));
    return v;
}

// An object that holds exactly the members `known`.
template <class Names> void onlyMembers(const CJsonValue& o, const Names& known, const CPath& path)
{
    expect(o, CJsonValue::Kind::Object, path);
    for (const auto& [name, value] : o.members())
        if (std::find(std::begin(known), std::end(known), name) == std::end(known))
            refuse(path / name, "unknown member");
    if (o.members().size() != static_cast<std::size_t>(std::end(known) - std::begin(known)))
        for (std::string_view name : known)
            if (!o.find(name))
                refuse(path / name, "missing");
}
void onlyMembers(const CJsonValue& o, std::initializer_list<std::string_view> known, const CPath& path)
{
    onlyMembers<std::initializer_list<std::string_view>>(o, known, path);
}

const CJsonValue& member(const CJsonValue& o, std::string_view name) { return *o.find(name); }

std::int64_t number(const CJsonValue& v, std::int64_t min, std::int64_t max, const CPath& path)
{
    expect(v, CJsonValue::Kind::Number, path);
    if (v.number() < min || v.number() > max)
        refuse(path, "the value " + std::to_string(v.number()) + " is out of range " + std::to_string(min) + "…" + std::to_string(max));
    return v.number();
}

// The fields in their order: a text written by export holds them so, and is read without a search.
template <class Object>
void readFields(const CJsonValue& o, const std::vector<CField<Object>>& list, Object& into, const CPath& path)
{
    expect(o, CJsonValue::Kind::Object, path);
    const auto& members = o.members();
    const bool inOrder = members.size() == list.size() &&
                         std::equal(list.begin(), list.end(), members.begin(),
                                    [](const CField<Object>& fd, const auto& m) { return m.name == fd.name; });
    if (!inOrder) {
        std::vector<std::string_view> names;
        for (const CField<Object>& fd : list)
            names.push_back(fd.name);
        onlyMembers(o, names, path);
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        const CField<Object>& fd = list[i];
        fd.set(into, number(inOrder ? members[i].value : member(o, fd.name), fd.min, fd.max, path / fd.name));
    }
}

int hexDigit(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

Bytes readHex(const CJsonValue& v, const CPath& path)
{
    const std::string_view hex = expect(v, CJsonValue::Kind::String, path).string();
    if (hex.size() % 2)
        refuse(path, "an odd number of hexadecimal digits");
    Bytes out;
    out.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = hexDigit(hex[i]);
        const int low = hexDigit(hex[i + 1]);
        if (high < 0 || low < 0)
            refuse(path, "\"" + std::string(1, high < 0 ? hex[i] : hex[i + 1]) + "\" is no hexadecimal digit");
        out.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return out;
}

std::string readText(const CJsonValue& v, const CPath& path)
{
    if (v.isObject()) {
        onlyMembers(v, {"gbk"}, path);
        const Bytes bytes = readHex(member(v, "gbk"), path / "gbk");
        return std::string(bytes.begin(), bytes.end());
    }
    const std::string_view utf8 = expect(v, CJsonValue::Kind::String, path).string();
    if (isAscii(utf8))
        return std::string(utf8);
    const auto gbk = utf8ToGbk(utf8);
    if (!gbk)
        refuse(path, "a character has no GBK code");
    return *gbk;
}

void readEntries(const CJsonValue& list, CDynamic& d, const CPath& path)
{
    expect(list, CJsonValue::Kind::Array, path);
    for (std::size_t i = 0; i < list.items().size(); ++i) {
        const CPath at = path[i];
        const CJsonValue& e = list.items()[i];
        onlyMembers(e, {"content", "value", "valueText"}, at);
        d.contents.push_back(readText(member(e, "content"), at / "content"));
        d.values.push_back(static_cast<std::int32_t>(number(member(e, "value"), std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max(), at / "value")));
        d.valueTexts.push_back(readText(member(e, "valueText"), at / "valueText"));
    }
}

void readPicture(const CJsonValue& o, CUpLoadPic& p, const CPath& path)
{
    const Bytes info = readHex(member(o, "info"), path / "info");
    if (info.size() != p.info.size())
        refuse(path / "info", std::to_string(info.size()) + " bytes where " + std::to_string(p.info.size()) +
                                   " belong");
    std::copy(info.begin(), info.end(), p.info.begin());
    const CJsonValue& rows = expect(member(o, "pixels"), CJsonValue::Kind::Array, path / "pixels");
    for (std::size_t i = 0; i < rows.items().size(); ++i) {
        const Bytes row = readHex(rows.items()[i], (path / "pixels")[i]);
        p.pixels.insert(p.pixels.end(), row.begin(), row.end());
    }
}

std::unique_ptr<CBase> readComponent(const CJsonValue& o, const CPath& path)
{
    expect(o, CJsonValue::Kind::Object, path);
    const CJsonValue* cls = o.find("class");
    if (!cls)
        refuse(path / "class", "missing");
    const std::string className(expect(*cls, CJsonValue::Kind::String, path / "class").string());
    std::unique_ptr<CBase> c = CreateComponentForLoading(className);
    if (!c)
        refuse(path / "class", "\"" + className + "\" is no component class");
    c->typeCode = typeCodeOfClass(className);
    std::vector<std::string_view> names{"class"};
    const CComponentGroups& groups = groupsOf(className);
    for (const CGroup<CBase>& g : groups)
        names.push_back(g.name);
    auto* chars = dynamic_cast<CChars*>(c.get());
    auto* dynamic = dynamic_cast<CDynamic*>(c.get());
    auto* picture = dynamic_cast<CUpLoadPic*>(c.get());
    if (chars)
        names.push_back("text");
    if (dynamic)
        names.push_back("entries");
    if (picture)
        names.insert(names.end(), {"info", "pixels"});
    onlyMembers(o, names, path);
    for (const CGroup<CBase>& g : groups)
        readFields(member(o, g.name), g.fields, *c, path / g.name);
    if (chars)
        chars->text = readText(member(o, "text"), path / "text");
    if (dynamic) {
        dynamic->contents.clear();
        dynamic->values.clear();
        dynamic->valueTexts.clear();
        readEntries(member(o, "entries"), *dynamic, path / "entries");
    }
    if (picture)
        readPicture(o, *picture, path);
    return c;
}

std::unique_ptr<CMainView> readWindow(const CJsonValue& o, const CPath& path)
{
    onlyMembers(o, {"window", "description", "components"}, path);
    auto w = std::make_unique<CMainView>();
    readFields(member(o, "window"), kWindow, *w, path / "window");
    w->description = readText(member(o, "description"), path / "description");
    const CPath at = path / "components";
    const CJsonValue& list = expect(member(o, "components"), CJsonValue::Kind::Array, at);
    for (std::size_t i = 0; i < list.items().size(); ++i)
        w->AppendComponent(readComponent(list.items()[i], at[i]));
    return w;
}

void readProject(const CJsonValue& root, CProject& p)
{
    const CPath top;
    onlyMembers(root, {kVersionKey, "protocol", "currentWindow", "communication", "panel", "alarmList", "windows"}, top);
    number(member(root, kVersionKey), kTextVersion, kTextVersion, top / kVersionKey);
    // The protocol first: choosing it sets defaults that the stored settings then replace.
    p.SetProtocol(static_cast<unsigned>(number(member(root, "protocol"), 0, 255, top / "protocol")));
    p.currentWindow = static_cast<std::uint16_t>(number(member(root, "currentWindow"), 0, 65535, top / "currentWindow"));
    readFields(member(root, "communication"), kCommunication, p.comm, top / "communication");
    readFields(member(root, "panel"), kPanel, p.panel, top / "panel");
    const CPath alarmPath = top / "alarmList";
    const CJsonValue& alarms = member(root, "alarmList");
    onlyMembers(alarms, {"coil", "texts"}, alarmPath);
    readFields(member(alarms, "coil"), kAlarmCoil, p.alarms, alarmPath / "coil");
    const CPath textsPath = alarmPath / "texts";
    const CJsonValue& texts = expect(member(alarms, "texts"), CJsonValue::Kind::Array, textsPath);
    p.alarms.texts.clear();
    for (std::size_t i = 0; i < texts.items().size(); ++i)
        p.alarms.texts.push_back(readText(texts.items()[i], textsPath[i]));
    const CPath windowsPath = top / "windows";
    const CJsonValue& windows = expect(member(root, "windows"), CJsonValue::Kind::Array, windowsPath);
    for (std::size_t i = 0; i < windows.items().size(); ++i)
        p.AppendWindow(readWindow(windows.items()[i], windowsPath[i]));
}

} // namespace

std::string ExportProjectText(const CProject& p)
{
    std::string out;
    CJsonWriter w(out);
    w.beginObject().member(kVersionKey, kTextVersion).member("protocol", p.protocol());
    w.member("currentWindow", p.currentWindow).key("communication");
    writeFields(w, kCommunication, p.comm);
    w.key("panel");
    writeFields(w, kPanel, p.panel);
    w.key("alarmList").beginObject().key("coil");
    writeFields(w, kAlarmCoil, p.alarms);
    w.key("texts").beginArray();
    for (const std::string& t : p.alarms.texts)
        writeText(w, t);
    w.endArray().endObject();
    w.key("windows").beginArray();
    for (const auto& window : p.windows()) {
        w.beginObject().key("window");
        writeFields(w, kWindow, *window);
        w.key("description");
        writeText(w, window->description);
        w.key("components").beginArray();
        for (const auto& c : window->components())
            writeComponent(w, *c);
        w.endArray().endObject();
    }
    w.endArray().endObject();
    out += '\n';
    return out;
}

Result<Bytes> ImportProjectText(std::string_view text)
{
    const Result<CJsonDocument> root = parseJson(text);
    if (!root)
        return root.error();
    CProject project;
    try {
        readProject(*root, project);
    } catch (const CTextError& e) {
        return makeError(e.what());
    }
    Bytes bytes = WriteProject(project);
    // What the file reader refuses (a picture larger than the panel, say) is refused here too.
    CProject check;
    if (const Status read = ReadProject(bytes, check); !read)
        return makeError("the project does not read back: " + read.error().text);
    return bytes;
}

} // namespace zl
