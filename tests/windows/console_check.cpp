// SPDX-License-Identifier: GPL-3.0-or-later
// morvane-cli.exe at a console, as a user of cmd meets it: results, steps and messages with a
// narrow no-break space for grouping and other characters outside ASCII appear on the console
// as themselves, and typed lines end at Ctrl+Z then Enter. Each row runs the program on a
// console of this process's own, with its keys typed ahead, and reads the screen back.
// Usage: console_check MORVANE_CLI_EXE
#include <windows.h>

#include <cstdio>
#include <iterator>
#include <string>

#include "morvane/wide_text.h"

namespace {

struct ConsoleCase {
  const wchar_t* arguments;
  const wchar_t* typed;  // "\x1a" is Ctrl+Z, "\r" Enter
  const wchar_t* shown;  // on the screen afterwards
  DWORD status;
};

constexpr ConsoleCase kCases[] = {
    {L"20 10", L"", L" 184\u202F756", 0},
    {L"--explain 1000 2", L"", L"the result box shows \" 499\u202F500\".", 0},
    {L"--strict 20\u00A0 3", L"", L"N \"20\u00A0\" is not a number", 1},
    {L"", L"20\t10\r5\t2\r\x1a\r", L" 184\u202F756", 0},
};

void Type(HANDLE input, std::wstring_view keys) {
  for (const wchar_t key : keys) {
    INPUT_RECORD records[2] = {};
    for (int i = 0; i < 2; ++i) {
      records[i].EventType = KEY_EVENT;
      KEY_EVENT_RECORD& event = records[i].Event.KeyEvent;
      event.bKeyDown = i == 0 ? TRUE : FALSE;
      event.wRepeatCount = 1;
      event.uChar.UnicodeChar = key;
      event.wVirtualKeyCode = key == L'\r' ? VK_RETURN : (key == L'\x1a' ? 'Z' : 0);
      event.dwControlKeyState = key == L'\x1a' ? LEFT_CTRL_PRESSED : 0;
    }
    DWORD written = 0;
    WriteConsoleInputW(input, records, 2, &written);
  }
}

std::wstring Screen(HANDLE output) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  GetConsoleScreenBufferInfo(output, &info);
  std::wstring text(static_cast<std::size_t>(info.dwSize.X) * info.dwCursorPosition.Y + 1, L' ');
  DWORD read = 0;
  ReadConsoleOutputCharacterW(output, text.data(), static_cast<DWORD>(text.size()), {0, 0}, &read);
  text.resize(read);
  return text;
}

HANDLE Open(const wchar_t* name) {
  return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     nullptr, OPEN_EXISTING, 0, nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2 || !FreeConsole() || !AllocConsole()) return 2;
  const HANDLE input = Open(L"CONIN$");
  const HANDLE output = Open(L"CONOUT$");
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, L"\u202F");
  int failures = 0;
  for (const ConsoleCase& c : kCases) {
    DWORD cleared = 0;
    FillConsoleOutputCharacterW(output, L' ', 1U << 20, {0, 0}, &cleared);
    SetConsoleCursorPosition(output, {0, 0});
    Type(input, c.typed);
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\" " + c.arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    DWORD status = STILL_ACTIVE;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process) != 0) {
      if (WaitForSingleObject(process.hProcess, 20'000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, STILL_ACTIVE);
      }
      GetExitCodeProcess(process.hProcess, &status);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
    const std::wstring screen = Screen(output);
    if (status != c.status || screen.find(c.shown) == std::wstring::npos) {
      ++failures;
      std::printf("%s: exit status %lu, the console shows:\n%s\n",
                  morvane::Utf8FromWide(command).c_str(), status,
                  morvane::Utf8FromWide(screen).c_str());
    }
  }
  // The settings the other tests run with, whatever this run found.
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, L",");
  std::printf("%zu console cases, %d failures\n", std::size(kCases), failures);
  return failures == 0 ? 0 : 1;
}
