#pragma once
// Long names of paths that may be given with short (8.3) names.
#include <string>

namespace fsctl {

// The name the file system reports for the path's last element (its long
// form); the path unchanged for a bare drive ("C:", "C:\") or when the file
// system reports nothing.
std::string LongNameOfLastElement(const std::string& path);
// The full path, every element in its long form; one trailing "\" is
// dropped unless the path is a drive root.
std::string LongPath(const std::string& path);

}  // namespace fsctl
