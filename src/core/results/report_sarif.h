#pragma once
// The broken links as a SARIF 2.1.0 log, the format that code-scanning services
// read to annotate the lines of a change.

#include <string>
#include <string_view>

#include "core/results/baseline.h"
#include "core/results/run_results.h"

namespace qvn {

/// What the log says of the program and of where the site lies.
struct SarifContext {
  std::string tool_version;    ///< as "0.1.0"
  std::string top_folder_uri;  ///< "file:" URI of the top folder, ending in "/"; "" leaves it out
};

/// The "file:" URI of an absolute folder path (POSIX, drive or UNC), ending
/// in "/"; every byte but letters, digits, "-._~", ":" and "/" percent-encoded.
std::string FolderFileUri(std::string_view absolute_folder);

/// A relative path as a relative URI reference: the platform's separator as
/// "/", every byte but letters, digits, "-._~" and "/" percent-encoded (so a
/// name with ":" cannot pass for a scheme).
std::string RelativeUri(std::string_view relative_path);

/// The SARIF log of one run: one result per broken link, in order, with the
/// page relative to the top folder (uriBaseId "TOPFOLDER") and the link's
/// line and columns as its location; a partial fingerprint from the link's
/// identity. With a baseline comparison each result has its baselineState
/// ("new" or "unchanged") and the fixed links are listed in the run's
/// properties ("fixed"), not as results. UTF-8, LF line ends.
std::string FormatResultsSarif(const CheckResult& result, const BaselineComparison* baseline,
                               const SarifContext& context);

}  // namespace qvn
