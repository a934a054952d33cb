#pragma once
// Creating components by type code (the editor's placement commands) or by class name (the file reader).
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string_view>

#include "model/CBase.h"

namespace zl {

// A new component of `typeCode` with the defaults of `protocol`, positioned at the canvas point (the
// window then places and clamps it); nullptr for an unknown code.
std::unique_ptr<CBase> CreateComponent(std::uint8_t typeCode, unsigned protocol, CPoint canvas);

// An empty component for the file reader to fill; nullptr for a name that is not a component class.
std::unique_ptr<CBase> CreateComponentForLoading(std::string_view className);

// The class names a project file may hold for components.
std::initializer_list<std::string_view> componentClassNames();

// The type code components of the class carry; 0 for a name that is not a component class.
std::uint8_t typeCodeOfClass(std::string_view className);

} // namespace zl
