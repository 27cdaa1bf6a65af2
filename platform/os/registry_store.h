#pragma once
// The registry values the module reads under HKEY_LOCAL_MACHINE, kept in a
// small store file. The file holds one section per key path and the key's
// values as name=value lines:
//
//   [\SOFTWARE\Velkor\Vistrel5.1\ExePath]
//   Path=/opt/vistrel/bin
//
// As in the registry, key paths and value names compare ignoring the case of
// ASCII letters, and the stored spelling is kept. Leading and trailing
// backslashes of a key path do not count. A key exists when it has a section
// or when a section lies below it (creating a key creates its parents). A
// value is the text after the first '=' exactly as written: only the CR of a
// CR LF line end is dropped, blanks are kept; a value name is trimmed of
// blanks and cannot contain '='. Lines starting with ';' or '#' are comments.
// When a key or value appears twice, the first one in the file counts.
//
// Every call reads the file afresh. A missing or unreadable file holds no keys;
// reading never fails in any other way.

#include <optional>
#include <string>

namespace os {

class RegistryStore {
public:
    explicit RegistryStore(std::string path);

    // $VAP_REGISTRY_FILE, default ${XDG_CONFIG_HOME:-~/.config}/vap7720/registry.ini.
    static std::string DefaultPath();

    const std::string& Path() const { return path_; }

    bool KeyExists(const std::string& key) const;

    // The string value called name of key; nothing when the key or the value
    // is not there.
    std::optional<std::string> ReadString(const std::string& key, const std::string& name) const;

    // Makes sure key exists, appending an empty section for it when needed
    // (and creating the file and its folder when there is none). The file is
    // replaced whole through a temporary file, so its other content is never
    // lost. Returns whether the key exists afterwards; a store that cannot be
    // read or written (a read-only file, no permission on the folder) is left
    // as it is and gives false. A key path holding a control character (a
    // line break would forge another section) is refused the same way.
    bool CreateKey(const std::string& key) const;

private:
    std::string path_;
};

}  // namespace os
