#include "files/XmlStream.h"

#include "files/ZipArchive.h"
#include "platform/Language.h"

#include <cstring>

// Debian's expat is built with DTD support; its header declares the entity amplification
// bounds only when told so.
#ifndef XML_DTD
#define XML_DTD 1
#endif
#include <expat.h>

namespace tracelle::files {

namespace {

constexpr char kSeparator = ' '; // between namespace and local name; never inside a URI
constexpr int kMaxDepth = 256;   // workbooks nest a dozen levels
constexpr int kChunk = 1 << 16;

void split(const char* name, std::string_view& ns, std::string_view& local) {
    const char* at = std::strrchr(name, kSeparator);
    if (!at) {
        ns = {};
        local = name;
    } else {
        ns = std::string_view(name, static_cast<std::size_t>(at - name));
        local = at + 1;
    }
}

} // namespace

struct XmlParse {
    XmlReader& reader;
    const std::string& part;
    int depth = 0;

    static void stop(XmlReader& reader, std::string reason) {
        if (reader.reason_.empty()) reader.reason_ = std::move(reason);
        XML_StopParser(static_cast<XML_Parser>(reader.parser_), XML_FALSE);
    }
    static void XMLCALL start(void* data, const XML_Char* name, const XML_Char** attributes) {
        auto& self = *static_cast<XmlParse*>(data);
        if (++self.depth > kMaxDepth) {
            stop(self.reader,
                 platform::fill(
                     platform::translate(
                         "XmlStream", "le classeur est endommagé : %1 a trop de niveaux imbriqués"),
                     {self.part}));
            return;
        }
        std::string_view ns, local;
        split(name, ns, local);
        self.reader.start(ns, local, attributes);
    }
    static void XMLCALL end(void* data, const XML_Char* name) {
        auto& self = *static_cast<XmlParse*>(data);
        --self.depth;
        std::string_view ns, local;
        split(name, ns, local);
        self.reader.end(ns, local);
    }
    static void XMLCALL text(void* data, const XML_Char* s, int length) {
        static_cast<XmlParse*>(data)->reader.text(
            std::string_view(s, static_cast<std::size_t>(length)));
    }
    static void XMLCALL doctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*,
                                int) {
        auto& self = *static_cast<XmlParse*>(data);
        stop(self.reader,
             platform::fill(platform::translate("XmlStream", "le classeur est refusé : %1 déclare "
                                                             "un type de document (DTD, entités)"),
                            {self.part}));
    }
};

void XmlReader::stop(std::string reason) {
    XmlParse::stop(*this, std::move(reason));
}

std::string readXml(ByteSource& source, XmlReader& reader, const std::string& part) {
    XML_Parser parser = XML_ParserCreateNS(nullptr, kSeparator);
    if (!parser) return platform::translate("XmlStream", "mémoire insuffisante");
    XmlParse parse{reader, part};
    reader.parser_ = parser;
    reader.reason_.clear();
    XML_SetUserData(parser, &parse);
    XML_SetElementHandler(parser, XmlParse::start, XmlParse::end);
    XML_SetCharacterDataHandler(parser, XmlParse::text);
    XML_SetStartDoctypeDeclHandler(parser, XmlParse::doctype);
    XML_SetParamEntityParsing(parser, XML_PARAM_ENTITY_PARSING_NEVER);
    // The declaration is refused as soon as it starts; the bound stays should that change.
    XML_SetBillionLaughsAttackProtectionMaximumAmplification(parser, 10.0f);
    XML_SetBillionLaughsAttackProtectionActivationThreshold(parser, 1u << 20);

    std::string failure;
    for (bool last = false; !last && failure.empty();) {
        void* buffer = XML_GetBuffer(parser, kChunk);
        if (!buffer) {
            failure = platform::translate("XmlStream", "mémoire insuffisante");
            break;
        }
        const std::int64_t n = source.read(static_cast<char*>(buffer), kChunk);
        if (n < 0) {
            failure = source.error();
            break;
        }
        last = n == 0;
        if (XML_ParseBuffer(parser, static_cast<int>(n), last) != XML_STATUS_OK) {
            failure = !reader.reason_.empty()
                          ? reader.reason_
                          : platform::fill(
                                platform::translate("XmlStream", "le classeur est endommagé : %1 "
                                                                 "illisible à la ligne %2"),
                                {part, std::to_string(XML_GetCurrentLineNumber(parser))});
        }
    }
    // A reader that stopped as the last bytes were parsed has still refused the part.
    if (failure.empty()) failure = reader.reason_;
    reader.parser_ = nullptr;
    XML_ParserFree(parser);
    return failure;
}

std::string readXmlMember(const ZipArchive& zip, const std::string& name, XmlReader& reader) {
    std::string error;
    const auto source = zip.member(name, error);
    return source ? readXml(*source, reader, name) : error;
}

const char* xmlAttribute(const char** attributes, std::string_view ns, std::string_view name) {
    for (; *attributes; attributes += 2) {
        std::string_view attributeNs, local;
        split(*attributes, attributeNs, local);
        if (local == name && attributeNs == ns) return attributes[1];
    }
    return nullptr;
}

} // namespace tracelle::files
