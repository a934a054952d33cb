#include "file/CProjectFile.h"

#include <cstring>
#include <typeinfo>

#include "model/CArchive.h"
#include "components/CComponentFactory.h"
#include "model/CProject.h"
#include "base/FileIo.h"

namespace zl {
namespace {

constexpr std::uint8_t kFileKind = 0x08;
constexpr char kSignature[] = "Zentu";
constexpr std::uint8_t kFormatMarker = 1;
constexpr std::size_t kHeaderReserved = 98;
constexpr std::size_t kWindowReserved = 20;
// The smallest list element: a null object tag.
constexpr std::size_t kMinElement = 2;
constexpr const char* kFileTypeError = "File type error!";

// The header fields run through one routine in both directions.
struct CLoad {
    CArchive& ar;
    void byte(std::uint8_t& v) { v = ar.readByte(); }
    void word(std::uint16_t& v) { v = ar.readWord(); }
};
struct CStore {
    CArchive& ar;
    void byte(std::uint8_t v) { ar.writeByte(v); }
    void word(std::uint16_t v) { ar.writeWord(v); }
};

// Every version starts with these, up to the data bits.
template <class Io>
void headerStart(Io& io, CProject& p, std::uint8_t& protocol)
{
    io.word(p.currentWindow);
    io.byte(protocol);
    io.word(p.panel.password);
    io.word(p.panel.initialWindow);
    io.byte(p.panel.controlStation);
    io.word(p.panel.controlRegisterAddress);
    io.byte(p.panel.controlRegisterType);
    io.word(p.panel.screenSaverWindow);
    io.byte(p.panel.screenSaverDelay);
    io.byte(p.panel.statusFlags);
    io.byte(p.comm.baud);
    io.byte(p.comm.dataBits);
}

// After the stop bits.
template <class Io>
void headerEnd(Io& io, CProject& p, bool withInterface)
{
    io.byte(p.comm.parity);
    io.byte(p.comm.plcStation);
    io.byte(p.panel.registerStep);
    io.byte(p.panel.screenSaverAction);
    if (withInterface)
        io.byte(p.comm.interface);
}

// Header settings of `version`; false for a version this reader does not know.
bool readHeaderSettings(CArchive& ar, std::uint8_t version, CProject& p, std::uint8_t& protocol)
{
    CLoad io{ar};
    switch (version) {
    case 10:
    case 11:
    case 12:
        headerStart(io, p, protocol);
        io.byte(p.comm.stopBits);
        headerEnd(io, p, true);
        if (version == 12)
            io.word(p.comm.delay);
        return true;
    case 1: {
        headerStart(io, p, protocol);
        // Bit 7 says the interface byte follows; without it the byte is the stop bits themselves.
        const std::uint8_t b = ar.readByte();
        const bool withInterface = b & 0x80;
        p.comm.stopBits = withInterface ? 1 : b;
        headerEnd(io, p, withInterface);
        return true;
    }
    default:
        return false;
    }
}

// Where the reader is, for error messages; the text is made only when one is needed.
struct CPlace {
    enum { Header, Windows, Alarms } part = Header;
    std::size_t window = 0;
    std::size_t component = 0;
    bool inComponents = false;
    std::string className;

    std::string describe() const
    {
        if (part != Windows)
            return part == Header ? "header" : "alarm list";
        std::string s = "window " + std::to_string(window + 1);
        if (inComponents)
            s += ", component " + std::to_string(component + 1) + (className.empty() ? "" : " (" + className + ")");
        return s;
    }
};

// One component after its object tag; null for the null object.
std::unique_ptr<CBase> readComponent(CArchive& ar, CPlace& place)
{
    place.className.clear();
    const auto className = ar.readObjectTag(componentClassNames());
    if (!className)
        return nullptr; // a null object: nothing to hold
    place.className = *className;
    std::unique_ptr<CBase> c = CreateComponentForLoading(*className);
    const std::size_t start = ar.offset();
    c->Serialize(ar);
    if (c->typeCode != typeCodeOfClass(*className))
        throw CArchiveError("type code " + std::to_string(c->typeCode) + " does not belong to class " + *className,
                            start);
    return c;
}

// One window after its object tag.
std::unique_ptr<CMainView> readWindowBody(CArchive& ar, CPlace& place)
{
    place.inComponents = false;
    auto w = std::make_unique<CMainView>();
    w->number = ar.readWord();
    w->description = ar.readText();
    w->upJump = ar.readWord();
    w->downJump = ar.readWord();
    ar.readReserved(kWindowReserved);
    const std::uint32_t count = ar.readCount(kMinElement);
    place.inComponents = true;
    for (std::uint32_t i = 0; i < count; ++i) {
        place.component = i;
        if (auto c = readComponent(ar, place))
            w->AppendComponent(std::move(c));
    }
    return w;
}

void readWindows(CArchive& ar, CProject& p, CPlace& place)
{
    place.part = CPlace::Windows;
    const std::uint32_t count = ar.readCount(kMinElement);
    for (std::uint32_t i = 0; i < count; ++i) {
        place.window = i;
        place.inComponents = false;
        if (ar.readObjectTag({CMainView::kClassName}))
            p.AppendWindow(readWindowBody(ar, place));
    }
}

void writeComponent(CArchive& ar, CBase& c)
{
    ar.writeObjectTag(c.GetRuntimeClass());
    c.Serialize(ar);
}

void writeWindow(CArchive& ar, const CMainView& w)
{
    ar.writeObjectTag(CMainView::kClassName);
    ar.writeWord(w.number);
    ar.writeText(w.description);
    ar.writeWord(w.upJump);
    ar.writeWord(w.downJump);
    ar.writeReserved(kWindowReserved);
    ar.writeCount(static_cast<std::uint32_t>(w.componentCount()));
    for (const auto& c : w.components())
        writeComponent(ar, *c);
}

// The header settings of the current version, after the version and marker bytes.
template <class Io>
void headerSettings(Io& io, CProject& p, std::uint8_t& protocol)
{
    headerStart(io, p, protocol);
    io.byte(p.comm.stopBits);
    headerEnd(io, p, true);
    io.word(p.comm.delay);
}

// Reads a whole piece with `read`; bytes left over are a format error like any other.
template <class T, class Read>
Result<T> readPiece(const Bytes& data, const char* what, Read read)
{
    CArchive ar(data);
    CPlace place;
    place.part = CPlace::Windows;
    try {
        T value = read(ar, place);
        if (ar.remaining() != 0)
            ar.fail(std::string("bytes after the ") + what);
        return value;
    } catch (const CArchiveError& e) {
        CError error = makeError(std::string(e.what()) + " (" + what + ")");
        error.offset = e.offset();
        return error;
    }
}

} // namespace

Status CheckProjectHeader(const Bytes& data)
{
    if (data.size() < 8 || data[0] != kFileKind || std::memcmp(data.data() + 1, kSignature, 5) != 0)
        return makeError("Is it a correct file?", kFileTypeError);
    if (data[7] != kFormatMarker)
        return makeError("version does not match!", kFileTypeError);
    return Ok{};
}

Status CheckProjectFile(const std::string& path)
{
    const auto data = ReadWholeFile(path);
    if (!data)
        return data.error();
    return CheckProjectHeader(*data);
}

Status ReadProject(const Bytes& data, CProject& project)
{
    project.ClearWindows();
    CArchive ar(data);
    CPlace place;
    try {
        ar.readReserved(6); // kind and signature: the check before loading looked at them
        const std::uint8_t version = ar.readByte();
        project.formatMarker = ar.readByte();
        ar.setVersion(version);
        std::uint8_t protocol = static_cast<std::uint8_t>(project.protocol());
        if (!readHeaderSettings(ar, version, project, protocol)) {
            CError e = makeError("format version " + std::to_string(version) + " is not supported", kFileTypeError);
            e.offset = 6;
            return e;
        }
        project.formatVersion = version;
        project.SetProtocol(protocol);
        ar.setProtocol(protocol);
        ar.readReserved(kHeaderReserved);
        readWindows(ar, project, place);
        place.part = CPlace::Alarms;
        project.alarms.Serialize(ar);
    } catch (const CArchiveError& e) {
        project.ClearWindows();
        CError error = makeError(std::string(e.what()) + " (" + place.describe() + ")");
        error.offset = e.offset();
        return error;
    }
    if (project.windowCount() > 0 && project.currentWindow >= project.windowCount())
        project.currentWindow = static_cast<std::uint16_t>(project.windowCount() - 1);
    return Ok{};
}

Status LoadProjectFile(const std::string& path, CProject& project)
{
    const auto data = ReadWholeFile(path);
    if (!data)
        return data.error();
    return ReadProject(*data, project);
}

Status OpenProjectFile(const std::string& path, CProject& project)
{
    const auto data = ReadWholeFile(path);
    if (!data)
        return data.error();
    if (Status checked = CheckProjectHeader(*data); !checked)
        return checked;
    return ReadProject(*data, project);
}

Bytes WriteProject(CProject& project)
{
    project.formatVersion = kProjectFileVersion;
    project.formatMarker = kFormatMarker;
    CArchive ar;
    ar.writeByte(kFileKind);
    ar.writeBytes(reinterpret_cast<const std::uint8_t*>(kSignature), 5);
    ar.writeByte(kProjectFileVersion);
    ar.writeByte(kFormatMarker);
    CStore io{ar};
    std::uint8_t protocol = static_cast<std::uint8_t>(project.protocol());
    headerSettings(io, project, protocol);
    ar.writeReserved(kHeaderReserved);
    ar.writeCount(static_cast<std::uint32_t>(project.windowCount()));
    for (const auto& w : project.windows())
        writeWindow(ar, *w);
    project.alarms.Serialize(ar);
    return ar.takeBuffer();
}

Status SaveProjectFile(const std::string& path, CProject& project)
{
    return WriteFileSafely(path, WriteProject(project));
}

Bytes WriteWindow(const CMainView& window)
{
    CArchive ar;
    writeWindow(ar, window);
    return ar.takeBuffer();
}

Result<std::unique_ptr<CMainView>> ReadWindow(const Bytes& data)
{
    return readPiece<std::unique_ptr<CMainView>>(data, "window", [](CArchive& ar, CPlace& place) {
        if (!ar.readObjectTag({CMainView::kClassName}))
            ar.fail("no window");
        return readWindowBody(ar, place);
    });
}

Bytes WriteComponent(CBase& component)
{
    CArchive ar;
    writeComponent(ar, component);
    return ar.takeBuffer();
}

Result<std::unique_ptr<CBase>> ReadComponent(const Bytes& data)
{
    return readPiece<std::unique_ptr<CBase>>(data, "component", [](CArchive& ar, CPlace& place) {
        auto c = readComponent(ar, place);
        if (!c)
            ar.fail("no component");
        return c;
    });
}

Status ReadComponentInto(const Bytes& data, CBase& component)
{
    // Read once into a new object, so that a damaged piece fails before the component is touched.
    auto read = ReadComponent(data);
    if (!read)
        return read.error();
    if (typeid(**read) != typeid(component))
        return makeError("another kind of component (component)");
    return readPiece<Ok>(data, "component", [&](CArchive& ar, CPlace&) {
        (void)ar.readObjectTag(componentClassNames());
        component.Serialize(ar);
        return Ok{};
    });
}

Bytes WriteSettings(CProject& project)
{
    CArchive ar;
    CStore io{ar};
    std::uint8_t protocol = static_cast<std::uint8_t>(project.protocol());
    headerSettings(io, project, protocol);
    project.alarms.Serialize(ar);
    return ar.takeBuffer();
}

Status ReadSettings(const Bytes& data, CProject& project)
{
    // Read into a copy so that a damaged block changes nothing.
    CProject read;
    read.comm = project.comm;
    read.panel = project.panel;
    std::uint8_t protocol = 0;
    const auto done = readPiece<Ok>(data, "settings", [&](CArchive& ar, CPlace&) {
        CLoad io{ar};
        headerSettings(io, read, protocol);
        read.alarms.Serialize(ar);
        return Ok{};
    });
    if (!done)
        return done.error();
    project.comm = read.comm;
    project.alarms = std::move(read.alarms);
    // The tables follow the protocol and station; the panel settings keep the stored bytes exactly.
    project.SetProtocol(protocol);
    project.panel = read.panel;
    return Ok{};
}

} // namespace zl
