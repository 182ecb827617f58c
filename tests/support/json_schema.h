#pragma once
// A validator for the part of JSON Schema (draft 2020-12) that the project's
// schemas use: type, const, enum, required, properties,
// additionalProperties, items, minimum, dependentRequired and local $ref.
// Any other keyword is reported as a problem, so that a schema never passes
// for want of a check. Header-only, for tests.

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "core/results/json_reader.h"

namespace qvn::test {

class JsonSchemaValidator {
 public:
  explicit JsonSchemaValidator(const JsonValue& root) : root_(root) {}

  /// Problems of value against the root schema, each with its JSON path; empty when valid.
  std::vector<std::string> Validate(const JsonValue& value) {
    problems_.clear();
    Check(value, root_, "$");
    return problems_;
  }

 private:
  using Type = JsonValue::Type;

  static bool Equal(const JsonValue& a, const JsonValue& b) {
    if (a.type != b.type) return false;
    switch (a.type) {
      case Type::kNull: return true;
      case Type::kBool: return a.boolean == b.boolean;
      case Type::kNumber: return a.number == b.number;
      case Type::kString: return a.text == b.text;
      default: break;
    }
    if (a.items.size() != b.items.size() || a.keys != b.keys) return false;
    for (std::size_t i = 0; i < a.items.size(); ++i)
      if (!Equal(a.items[i], b.items[i])) return false;
    return true;
  }

  static bool HasType(const JsonValue& value, std::string_view name) {
    if (name == "integer") return value.IsInteger();
    static constexpr std::string_view kNames[] = {"null",   "boolean", "number",
                                                  "string", "array",   "object"};
    return kNames[static_cast<int>(value.type)] == name;
  }

  void Problem(const std::string& path, const std::string& what) {
    problems_.push_back(path + ": " + what);
  }

  const JsonValue* Resolve(const std::string& ref) {
    if (!ref.starts_with("#/")) return nullptr;
    const JsonValue* at = &root_;
    std::size_t start = 2;
    while (at != nullptr && start <= ref.size()) {
      const std::size_t end = std::min(ref.find('/', start), ref.size());
      at = at->Find(ref.substr(start, end - start));
      start = end + 1;
    }
    return at;
  }

  void CheckType(const JsonValue& value, const JsonValue& type, const std::string& path) {
    bool any = false;
    if (type.Is(Type::kString)) any = HasType(value, type.text);
    for (const auto& name : type.items) any = any || HasType(value, name.text);
    if (!any) Problem(path, "wrong type");
  }

  void CheckObject(const JsonValue& value, const JsonValue& schema, const std::string& path) {
    const JsonValue* properties = schema.Find("properties");
    const JsonValue* additional = schema.Find("additionalProperties");
    for (std::size_t i = 0; i < value.keys.size(); ++i) {
      const JsonValue* sub = properties != nullptr ? properties->Find(value.keys[i]) : nullptr;
      const std::string at = path + "." + value.keys[i];
      if (sub != nullptr) {
        Check(value.items[i], *sub, at);
      } else if (additional != nullptr && additional->Is(Type::kBool) && !additional->boolean) {
        Problem(at, "not allowed");
      } else if (additional != nullptr && additional->Is(Type::kObject)) {
        Check(value.items[i], *additional, at);
      }
    }
    if (const JsonValue* required = schema.Find("required"))
      for (const auto& name : required->items)
        if (value.Find(name.text) == nullptr) Problem(path, "lacks \"" + name.text + "\"");
    if (const JsonValue* dependent = schema.Find("dependentRequired"))
      for (std::size_t i = 0; i < dependent->keys.size(); ++i)
        if (value.Find(dependent->keys[i]) != nullptr)
          for (const auto& name : dependent->items[i].items)
            if (value.Find(name.text) == nullptr)
              Problem(path, "has \"" + dependent->keys[i] + "\" but lacks \"" + name.text + "\"");
  }

  bool CheckKeyword(const JsonValue& value, std::string_view key, const JsonValue& arg,
                    const std::string& path) {
    if (key == "type") {
      CheckType(value, arg, path);
    } else if (key == "const") {
      if (!Equal(value, arg)) Problem(path, "differs from the constant");
    } else if (key == "enum") {
      bool found = false;
      for (const auto& option : arg.items) found = found || Equal(value, option);
      if (!found) Problem(path, "not one of the allowed values");
    } else if (key == "minimum") {
      if (value.Is(Type::kNumber) && value.number < arg.number) Problem(path, "below minimum");
    } else if (key == "items") {
      if (value.Is(Type::kArray))
        for (std::size_t i = 0; i < value.items.size(); ++i)
          Check(value.items[i], arg, path + "[" + std::to_string(i) + "]");
    } else if (key == "$ref") {
      const JsonValue* target = Resolve(arg.text);
      if (target == nullptr) return false;
      Check(value, *target, path);
    } else {
      static constexpr std::string_view kHandledElsewhere[] = {
          "properties", "additionalProperties", "required", "dependentRequired",
          "$schema",    "$id",                  "$defs",    "title",
          "description", "$comment"};
      return std::find(std::begin(kHandledElsewhere), std::end(kHandledElsewhere), key) !=
             std::end(kHandledElsewhere);
    }
    return true;
  }

  void Check(const JsonValue& value, const JsonValue& schema, const std::string& path) {
    if (!schema.Is(Type::kObject)) {
      Problem(path, "schema is not an object");
      return;
    }
    for (std::size_t i = 0; i < schema.keys.size(); ++i)
      if (!CheckKeyword(value, schema.keys[i], schema.items[i], path))
        Problem(path, "unsupported schema keyword " + schema.keys[i]);
    if (value.Is(Type::kObject)) CheckObject(value, schema, path);
  }

  const JsonValue& root_;
  std::vector<std::string> problems_;
};

}  // namespace qvn::test
