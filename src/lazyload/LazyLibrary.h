#pragma once

#include <dlfcn.h>

#include <optional>

namespace quil::lazyload {

// Looks functions up in a shared library opened for good.
class Symbols {
 public:
  explicit Symbols(void* library) : library_(library) {}

  // Points `function` at the library's symbol `name`; false when it has none.
  template <class Function>
  bool operator()(const char* name, Function& function) const {
    function = reinterpret_cast<Function>(dlsym(library_, name));
    return function != nullptr;
  }

 private:
  void* library_;
};

// A table of a library's functions, filled from the library the first time
// it is asked for rather than when the program starts, so that a program
// whose first screen needs none of them does not pay for mapping and linking
// it. `bind` fills the table through the library's `Symbols` and says whether
// it found them all. The library stays loaded for the rest of the run, as what
// it made lives that long. nullptr when the library or any of its symbols is
// missing. Each table type is loaded once.
template <class Table, class Bind>
const Table* Once(const char* libraryName, Bind bind) {
  static const std::optional<Table> table = [&]() -> std::optional<Table> {
    void* library = dlopen(libraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library) return std::nullopt;
    Table loaded{};
    if (!bind(Symbols(library), loaded)) return std::nullopt;
    return loaded;
  }();
  return table ? &*table : nullptr;
}

}  // namespace quil::lazyload
