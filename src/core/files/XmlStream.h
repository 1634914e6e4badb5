// Streaming XML for the parts of workbooks, hardened for files from anywhere: a document type
// declaration (the door of external entities and of entity expansion bombs) is refused, and
// nesting is bounded.
#pragma once

#include "files/ByteSource.h"

#include <string>
#include <string_view>

namespace tracelle::files {

// Names arrive split into their namespace (empty when none) and local name.
class XmlReader {
public:
    virtual ~XmlReader() = default;
    // `attributes`: name, value, name, value, ..., nullptr; names as "namespace local".
    virtual void start(std::string_view ns, std::string_view name, const char** attributes) = 0;
    virtual void end(std::string_view ns, std::string_view name) = 0;
    virtual void text(std::string_view) {}

protected:
    // Ends the reading; `readXml` returns the reason, a whole message.
    void stop(std::string reason);

private:
    friend struct XmlParse;
    friend std::string readXml(ByteSource& source, XmlReader& reader, const std::string& part);
    void* parser_ = nullptr;
    std::string reason_;
};

// The whole of `source` read into `reader`: "", or the reason naming `part`.
std::string readXml(ByteSource& source, XmlReader& reader, const std::string& part);

class ZipArchive;
// A member of the archive read whole into `reader`: "", or the reason.
std::string readXmlMember(const ZipArchive& zip, const std::string& name, XmlReader& reader);

// The value of the attribute of namespace `ns` (empty: none) and local name `name`, or nullptr.
const char* xmlAttribute(const char** attributes, std::string_view ns, std::string_view name);

} // namespace tracelle::files
