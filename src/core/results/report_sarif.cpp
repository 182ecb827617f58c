#include "core/results/report_sarif.h"

#include <array>
#include <unordered_map>

#include "core/platform/platform.h"
#include "core/text/utf.h"
#include "core/results/json_writer.h"
#include "core/results/report_json.h"

namespace qvn {
namespace {

constexpr const char* kSchema = "https://json.schemastore.org/sarif-2.1.0.json";
constexpr const char* kBaseId = "TOPFOLDER";
constexpr const char* kManual = "https://quorvane.example/manual/";

struct Rule {
  const char* name;
  const char* short_text;
  const char* full_text;
};

// In the order of LinkKind, so a rule's index is its kind's.
constexpr std::array<Rule, kLinkKinds> kRules = {{
    {"LinkToMissingFile", "Link to a file that does not exist",
     "A local link names a file that is not in the site. The link was cut at '#' and '?', "
     "decoded, and resolved against the folder of its page before it was tested."},
    {"LinkToFolder", "Link to a folder instead of a file",
     "A local link names a folder. Only files count as link targets: link to the page in the "
     "folder (such as its index page) instead."},
    {"LinkToSpecialFile", "Link to something that is not a regular file",
     "A local link names a device, a pipe or a socket (on Windows also a reserved device name "
     "such as CON or NUL), which a web server does not serve as a page."},
    {"LinkInOtherLetterCase", "Link whose letter case differs from the file's name",
     "A local link finds its file only when letter case is ignored. Servers whose file systems "
     "tell letter case apart will not find it; the message names the file's real name."},
    {"LinkToMissingAnchor", "Link to an anchor that the page does not have",
     "A link's fragment ('page.htm#intro', '#intro') names no element id, and no name of an a "
     "element, in the target page; the browser shows the page from its top instead."},
    {"LinkToFolderWithoutIndexPage", "Link to a folder without an index page",
     "A local link names a folder, and the folder holds none of the index pages that a web "
     "server would show for it."},
    {"LinkToOtherSiteWithErrorStatus", "Link to another site that answers with an error",
     "A link to another site (http or https) got a 4xx or 5xx answer from its server, after "
     "any redirects; the message gives the status and its reason."},
    {"LinkToOtherSiteWithoutAnswer", "Link to another site that does not answer",
     "A link to another site (http or https) got no answer: its host name is not known, the "
     "connection was refused, the secure connection failed, or it took too long."},
}};

void AppendEncoded(std::string& out, std::string_view text, std::string_view keep) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                       (byte >= '0' && byte <= '9') || keep.find(c) != std::string_view::npos;
    if (plain) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
}

std::string Slashed(std::string_view path) {
  std::string text(path);
  if (kSeparator != '/')
    for (char& c : text)
      if (c == kSeparator) c = '/';
  return text;
}

// 64-bit FNV-1a: small, and the same on every platform.
std::string Fingerprint(std::string_view identity, long long occurrence) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : identity) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, hash >>= 4) text[static_cast<std::size_t>(i)] = kHex[hash & 0xF];
  return text + ":" + std::to_string(occurrence);
}

std::string MessageText(const LinkRow& row) {
  const BrokenLink& link = row.link;
  std::string text = "Broken link \"" + link.link + "\": ";
  text += row.target;
  switch (link.kind) {
    case LinkKind::kMissingFile:
      if (!link.suggestion.empty())
        return text + " does not exist (did you mean " + link.suggestion + "?).";
      return text + " does not exist.";
    case LinkKind::kFolder: return text + " is a folder, not a file.";
    case LinkKind::kNotAFile: return text + " is not a regular file.";
    case LinkKind::kLetterCase:
      return text + " differs in letter case from the file's name (" + link.suggestion + ").";
    case LinkKind::kNoAnchor: return text + ": the page has no such anchor.";
    case LinkKind::kNoIndexPage: return text + " is a folder without an index page.";
    case LinkKind::kExternalStatus: return text + " answers " + link.note.str() + ".";
    case LinkKind::kExternalError: return text + " gets no answer (" + link.note.str() + ").";
  }
  return text + ".";
}

void WriteText(JsonWriter& writer, std::string_view key, std::string_view text) {
  writer.Key(key);
  writer.BeginObject();
  writer.Field("text", text);
  writer.EndObject();
}

void WriteRules(JsonWriter& writer, std::size_t kinds) {
  writer.Key("rules");
  writer.BeginArray();
  for (std::size_t i = 0; i < kinds; ++i) {
    writer.BeginObject();
    writer.Field("id", KindName(static_cast<LinkKind>(i)));
    writer.Field("name", kRules[i].name);
    WriteText(writer, "shortDescription", kRules[i].short_text);
    WriteText(writer, "fullDescription", kRules[i].full_text);
    writer.Key("defaultConfiguration");
    writer.BeginObject();
    writer.Field("level", "error");
    writer.EndObject();
    writer.EndObject();
  }
  writer.EndArray();
}

void WriteTool(JsonWriter& writer, const SarifContext& context, bool external) {
  writer.Key("tool");
  writer.BeginObject();
  writer.Key("driver");
  writer.BeginObject();
  writer.Field("name", "qvn");
  writer.Field("version", context.tool_version);
  writer.Field("informationUri", kManual);
  WriteRules(writer, external ? kLinkKinds : kLocalLinkKinds);
  writer.EndObject();
  writer.EndObject();
}

void WriteInvocation(JsonWriter& writer, bool stopped) {
  writer.Key("invocations");
  writer.BeginArray();
  writer.BeginObject();
  writer.FieldBool("executionSuccessful", !stopped);
  if (stopped) {
    writer.Key("toolExecutionNotifications");
    writer.BeginArray();
    writer.BeginObject();
    writer.Field("level", "warning");
    WriteText(writer, "message", "The check was stopped, so the results are incomplete.");
    writer.EndObject();
    writer.EndArray();
  }
  writer.EndObject();
  writer.EndArray();
}

// The page, relative to the top folder the run names as its base.
void WriteArtifactLocation(JsonWriter& writer, std::string_view page) {
  writer.Key("artifactLocation");
  writer.BeginObject();
  writer.Field("uri", RelativeUri(page));
  writer.Field("uriBaseId", kBaseId);
  writer.EndObject();
}

void WriteLocation(JsonWriter& writer, const LinkRow& row) {
  const BrokenLink& link = row.link;
  writer.Key("locations");
  writer.BeginArray();
  writer.BeginObject();
  writer.Key("physicalLocation");
  writer.BeginObject();
  WriteArtifactLocation(writer, row.page);
  writer.Key("region");
  writer.BeginObject();
  writer.Field("startLine", link.line);
  if (link.column > 0) {
    writer.Field("startColumn", link.column);
    writer.Field("endColumn", link.column + static_cast<long long>(Utf16Length(link.link)));
  }
  writer.EndObject();
  writer.EndObject();
  writer.EndObject();
  writer.EndArray();
}

// The repair as a fix an editor can apply: the link's columns replaced.
void WriteFix(JsonWriter& writer, const LinkRow& row, const ProposedRepair& repair) {
  const RepairChoice& choice = repair.choices[0];
  const BrokenLink& link = row.link;
  writer.Key("fixes");
  writer.BeginArray();
  writer.BeginObject();
  WriteText(writer, "description", "Repair (" + choice.reason + "): " + choice.link);
  writer.Key("artifactChanges");
  writer.BeginArray();
  writer.BeginObject();
  WriteArtifactLocation(writer, row.page);
  writer.Key("replacements");
  writer.BeginArray();
  writer.BeginObject();
  writer.Key("deletedRegion");
  writer.BeginObject();
  writer.Field("startLine", link.line);
  writer.Field("startColumn", link.column);
  writer.Field("endColumn", repair.end_column > 0
                                ? repair.end_column
                                : link.column + static_cast<long long>(Utf16Length(link.link)));
  writer.EndObject();
  WriteText(writer, "insertedContent", choice.link);
  writer.EndObject();
  writer.EndArray();
  writer.EndObject();
  writer.EndArray();
  writer.EndObject();
  writer.EndArray();
}

void WriteResult(JsonWriter& writer, const LinkRow& row, const std::string& fingerprint,
                 const BaselineState* state, const ProposedRepair* repair) {
  writer.BeginObject();
  writer.Field("ruleId", KindName(row.link.kind));
  writer.Field("ruleIndex", static_cast<long long>(row.link.kind));
  writer.Field("level", "error");
  WriteText(writer, "message", MessageText(row));
  WriteLocation(writer, row);
  writer.Key("partialFingerprints");
  writer.BeginObject();
  writer.Field("linkIdentity/v1", fingerprint);
  writer.EndObject();
  if (state != nullptr)
    writer.Field("baselineState", *state == BaselineState::kNew ? "new" : "unchanged");
  // Only a repair with one choice and a known place is a fix.
  if (repair != nullptr && repair->choices.size() == 1 && row.link.column > 0)
    WriteFix(writer, row, *repair);
  writer.EndObject();
}

void WriteResults(JsonWriter& writer, const CheckResult& result,
                  const BaselineComparison* baseline) {
  std::unordered_map<std::string, long long> occurrences;
  writer.Key("results");
  writer.BeginArray();
  for (std::size_t i = 0; i < result.broken_links.size(); ++i) {
    const LinkRow row = result.broken_links.Row(i, result.top_folder);
    const std::string identity = LinkIdentity(row);
    WriteResult(writer, row, Fingerprint(identity, ++occurrences[identity]),
                baseline != nullptr ? &baseline->states[i] : nullptr,
                result.repairs.empty() ? nullptr : &result.repairs[i]);
  }
  writer.EndArray();
}

void WriteRun(JsonWriter& writer, const CheckResult& result, const BaselineComparison* baseline,
              const SarifContext& context) {
  writer.BeginObject();
  WriteTool(writer, context, result.external.checked);
  WriteInvocation(writer, result.stopped);
  if (!context.top_folder_uri.empty()) {
    writer.Key("originalUriBaseIds");
    writer.BeginObject();
    writer.Key(kBaseId);
    writer.BeginObject();
    writer.Field("uri", context.top_folder_uri);
    writer.EndObject();
    writer.EndObject();
  }
  writer.Field("columnKind", "utf16CodeUnits");
  WriteResults(writer, result, baseline);
  if (baseline != nullptr) {
    writer.Key("properties");
    writer.BeginObject();
    WriteFixedJson(writer, "fixed", *baseline);
    writer.EndObject();
  }
  writer.EndObject();
}

}  // namespace

std::string FolderFileUri(std::string_view absolute_folder) {
  std::string path = Slashed(absolute_folder);
  if (path.starts_with("//?/")) path.erase(0, 4);  // a long-path prefix
  std::string uri = "file://";
  if (!path.starts_with("//")) {
    if (!path.starts_with('/')) uri += '/';  // a drive: file:///C:/...
  } else {
    path.erase(0, 2);  // a share: file://server/share/...
  }
  AppendEncoded(uri, path, "-._~:/");
  if (!uri.ends_with('/')) uri += '/';
  return uri;
}

std::string RelativeUri(std::string_view relative_path) {
  std::string uri;
  AppendEncoded(uri, Slashed(relative_path), "-._~/");
  return uri;
}

std::string FormatResultsSarif(const CheckResult& result, const BaselineComparison* baseline,
                               const SarifContext& context) {
  JsonWriter writer;
  writer.BeginObject();
  writer.Field("$schema", kSchema);
  writer.Field("version", "2.1.0");
  writer.Key("runs");
  writer.BeginArray();
  WriteRun(writer, result, baseline, context);
  writer.EndArray();
  writer.EndObject();
  return writer.Take();
}

}  // namespace qvn
