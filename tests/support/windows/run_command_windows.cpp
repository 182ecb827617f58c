#include <windows.h>

#include <cwchar>
#include <stdexcept>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qvn::test {
namespace {

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), size);
  return out;
}

// One argument as the C runtime's command-line parser reads it back.
std::wstring Quote(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes double only before a quote, which gets one more.
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    out.push_back(c);
    backslashes = 0;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

bool SameName(const std::wstring& entry, const std::wstring& name_with_equals) {
  return _wcsnicmp(entry.c_str(), name_with_equals.c_str(), name_with_equals.size()) == 0;
}

// This process's environment with the extra entries set, as CreateProcessW wants it.
std::wstring EnvironmentBlock(const std::vector<std::string>& extra) {
  std::vector<std::wstring> entries;
  wchar_t* block = GetEnvironmentStringsW();
  for (const wchar_t* p = block; *p != L'\0'; p += std::wcslen(p) + 1) entries.emplace_back(p);
  FreeEnvironmentStringsW(block);
  for (const auto& entry : extra) {
    const std::wstring wide = Wide(entry);
    const std::wstring name = wide.substr(0, wide.find(L'=') + 1);
    std::erase_if(entries, [&](const std::wstring& e) { return SameName(e, name); });
    entries.push_back(wide);
  }
  std::wstring joined;
  for (const auto& e : entries) joined += e + L'\0';
  return joined + L'\0';
}

HANDLE OpenInheritable(const std::wstring& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  const HANDLE handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    &inherit, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open a standard handle");
  return handle;
}

std::string WithoutCarriageReturns(std::string text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n') out += text[i];
  return out;
}

}  // namespace

CommandResult RunCommand(const std::string& program, const std::vector<std::string>& args,
                         const std::string& cwd, const std::vector<std::string>& env) {
  TempDir scratch;
  const std::string out_path = scratch.path() + "out", err_path = scratch.path() + "err";
  std::wstring command_line = Quote(Wide(program));
  for (const auto& arg : args) command_line += L" " + Quote(Wide(arg));
  std::wstring environment = EnvironmentBlock(env);
  const std::wstring folder = Wide(cwd);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = OpenInheritable(L"NUL", GENERIC_READ, OPEN_EXISTING);
  startup.hStdOutput = OpenInheritable(Wide(out_path), GENERIC_WRITE, CREATE_ALWAYS);
  startup.hStdError = OpenInheritable(Wide(err_path), GENERIC_WRITE, CREATE_ALWAYS);
  PROCESS_INFORMATION process{};
  const BOOL started =
      CreateProcessW(Wide(program).c_str(), command_line.data(), nullptr, nullptr, TRUE,
                     CREATE_UNICODE_ENVIRONMENT, environment.data(),
                     folder.empty() ? nullptr : folder.c_str(), &startup, &process);
  for (const HANDLE h : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(h);
  if (!started) throw std::runtime_error("cannot start " + program);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exit_code = 0;
  GetExitCodeProcess(process.hProcess, &exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  CommandResult result;
  result.exit_code = static_cast<int>(exit_code);
  result.out = WithoutCarriageReturns(scratch.Read(out_path));
  result.err = WithoutCarriageReturns(scratch.Read(err_path));
  return result;
}

}  // namespace qvn::test
