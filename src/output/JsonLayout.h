#pragma once
// JSON text laid out for people to read: a container is written on one line
// where the caller's rule says so ("[101, 0, 202]", {"width": 2, "height": 2}),
// else one member a line, indented by two spaces a level. Strings are
// escaped by nlohmann-json; the text ends with a line break.

#include <nlohmann/json.hpp>

#include <functional>
#include <string>

namespace zpx {

using Json = nlohmann::ordered_json;

// Whether the container `value`, `depth` levels below the top, goes on one line.
using JsonOnOneLine = std::function<bool(const Json& value, int depth)>;

std::string layOutJson(const Json& value, const JsonOnOneLine& onOneLine);

// How deep containers nest inside `value`: 0 for a number or a string, 1 for
// [1, 2], 2 for [[0, 1]].
int jsonNesting(const Json& value);

}  // namespace zpx
