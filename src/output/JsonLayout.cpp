#include "output/JsonLayout.h"

#include <algorithm>

namespace zpx {

namespace {

std::string scalarText(const Json& value)
{
    // A file name that is not UTF-8 must not stop an export: its stray bytes show as U+FFFD.
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

void writeOneLine(const Json& value, std::string& out)
{
    if (!value.is_structured()) {
        out += scalarText(value);
        return;
    }
    const bool object = value.is_object();
    out += object ? '{' : '[';
    bool first = true;
    for (auto member = value.begin(); member != value.end(); ++member) {
        out += first ? "" : ", ";
        first = false;
        if (object)
            out += scalarText(member.key()) + ": ";
        writeOneLine(member.value(), out);
    }
    out += object ? '}' : ']';
}

void write(const Json& value, int depth, const JsonOnOneLine& onOneLine, std::string& out)
{
    if (!value.is_structured() || value.empty() || onOneLine(value, depth)) {
        writeOneLine(value, out);
        return;
    }
    const bool object = value.is_object();
    const std::string indent(2 * static_cast<std::size_t>(depth + 1), ' ');
    out += object ? "{\n" : "[\n";
    for (auto member = value.begin(); member != value.end(); ++member) {
        out += indent;
        if (object)
            out += scalarText(member.key()) + ": ";
        write(member.value(), depth + 1, onOneLine, out);
        out += std::next(member) == value.end() ? "\n" : ",\n";
    }
    out += std::string(2 * static_cast<std::size_t>(depth), ' ') + (object ? '}' : ']');
}

}  // namespace

std::string layOutJson(const Json& value, const JsonOnOneLine& onOneLine)
{
    std::string out;
    write(value, 0, onOneLine, out);
    return out + '\n';
}

int jsonNesting(const Json& value)
{
    if (!value.is_structured())
        return 0;
    int deepest = 0;
    for (const Json& member : value)
        deepest = std::max(deepest, jsonNesting(member));
    return deepest + 1;
}

}  // namespace zpx
