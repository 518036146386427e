// SPDX-License-Identifier: GPL-3.0-or-later
// The native window in this process, driven through its messages: layout at 96 dpi, styles,
// fonts, tab chain and focus, Go by click, Space and Enter, the user's separators, the Error
// tooltip and Copy Plain Number.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "morvane/explain_sentences.h"
#include "morvane/main_window.h"
#include "morvane/wide_text.h"
#include "window_text.h"

namespace morvane::win32 {
namespace {

std::wstring Text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Sets one symbol of the user's Regional settings for a test and puts it back afterwards.
class RegionalSymbol {
 public:
  RegionalSymbol(LCTYPE symbol, const wchar_t* value) : symbol_(symbol) {
    wchar_t saved[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, symbol, saved, 8);
    saved_ = saved;
    SetLocaleInfoW(LOCALE_USER_DEFAULT, symbol, value);
  }
  ~RegionalSymbol() { SetLocaleInfoW(LOCALE_USER_DEFAULT, symbol_, saved_.c_str()); }
  RegionalSymbol(const RegionalSymbol&) = delete;
  RegionalSymbol& operator=(const RegionalSymbol&) = delete;

 private:
  LCTYPE symbol_;
  std::wstring saved_;
};

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    window_ = CreateMainWindow(GetModuleHandleW(nullptr));
    ASSERT_NE(window_, nullptr);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    Pump();
  }
  void TearDown() override {
    DestroyWindow(window_);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  static void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  // A key as the message loop hands it to the window's keyboard handling.
  void Key(HWND target, WPARAM key) const {
    MSG down{target, WM_KEYDOWN, key, 1, 0, {}};
    MSG up{target, WM_KEYUP, key, 1 | (3U << 30), 0, {}};
    if (!IsDialogMessageW(window_, &down)) DispatchMessageW(&down);
    if (!IsDialogMessageW(window_, &up)) DispatchMessageW(&up);
  }

  HWND window_ = nullptr;
};

TEST_F(MainWindowTest, FixedCentredOwnedWindow) {
  ASSERT_EQ(GetDpiForWindow(window_), 96U) << "the prefix is not at 96 dpi";
  EXPECT_EQ(Text(window_), L"MORVANE");
  RECT client;
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right, 384);
  EXPECT_EQ(client.bottom, 175);

  RECT outer;
  GetWindowRect(window_, &outer);
  MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  EXPECT_NEAR(outer.left + outer.right, monitor.rcMonitor.left + monitor.rcMonitor.right, 1);
  EXPECT_NEAR(outer.top + outer.bottom, monitor.rcMonitor.top + monitor.rcMonitor.bottom, 1);

  const auto style = static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE));
  const auto extended = static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0U);
  EXPECT_EQ(extended & WS_EX_APPWINDOW, 0U);
  EXPECT_NE(extended & WS_EX_DLGMODALFRAME, 0U);
  // Owned windows get no taskbar button.
  EXPECT_NE(GetWindow(window_, GW_OWNER), nullptr);
  EXPECT_NE(GetClassLongPtrW(window_, GCLP_HICON), 0U);
}

struct ControlCase {
  int id;
  RECT rect;  // In the client area, in pixels at 96 dpi.
  LONG font_height;
  const wchar_t* text;
  unsigned limit;  // EM_GETLIMITTEXT, or 0 for a control that is not a box.
};

TEST_F(MainWindowTest, ControlsAtTheirPlacesInTheirFonts) {
  const ControlCase cases[] = {
      {kFrame, {18, 16, 367, 159}, -12, L"", 0},
      {kNLabel, {50, 44, 68, 66}, -15, L"N:", 0},
      {kNBox, {78, 40, 119, 68}, -15, L"20", 4096},
      {kKLabel, {52, 84, 68, 106}, -15, L"K:", 0},
      {kKBox, {78, 80, 119, 108}, -15, L"10", 4096},
      {kGoButton, {130, 40, 343, 105}, -19, L"Go", 0},
      {kResultBox, {40, 114, 345, 144}, -19, L"", 4096},
  };
  for (const ControlCase& c : cases) {
    const HWND control = Item(c.id);
    ASSERT_NE(control, nullptr) << c.id;
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_TRUE(EqualRect(&rect, &c.rect))
        << c.id << ": " << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    EXPECT_EQ(font.lfHeight, c.font_height) << c.id;
    EXPECT_STREQ(font.lfFaceName, L"Segoe UI") << c.id;
    EXPECT_EQ(font.lfWeight, FW_NORMAL) << c.id;
    EXPECT_EQ(font.lfCharSet, ANSI_CHARSET) << c.id;
    EXPECT_EQ(Text(control), c.text) << c.id;
    if (c.limit != 0) {
      EXPECT_EQ(SendMessageW(control, EM_GETLIMITTEXT, 0, 0), c.limit) << c.id;
    }
  }
}

TEST_F(MainWindowTest, FocusOpensOnResultAndTabsResultGoKN) {
  EXPECT_EQ(GetFocus(), Item(kResultBox));
  for (const int next : {kGoButton, kKBox, kNBox, kResultBox}) {
    Key(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), Item(next)) << next;
  }
}

enum class Trigger { kClick, kSpaceOnGo, kEnterInN, kEnterInK, kEnterInResult };

struct GoCase {
  const char* n;
  const char* k;
  Trigger trigger;
  const wchar_t* thousands;
  const wchar_t* decimal;
  const char* shown;
  const char* reason_start;  // The tooltip begins with it; "" for an empty tooltip.
  const char* plain;         // What Copy Plain Number copies; nullptr when greyed.
};

class GoTest : public MainWindowTest, public testing::WithParamInterface<GoCase> {};

TEST_P(GoTest, ResultTooltipAndPlainNumber) {
  const GoCase& c = GetParam();
  const RegionalSymbol thousands(LOCALE_STHOUSAND, c.thousands);
  const RegionalSymbol decimal(LOCALE_SDECIMAL, c.decimal);
  SetWindowTextW(Item(kNBox), WideFromUtf8(c.n).c_str());
  SetWindowTextW(Item(kKBox), WideFromUtf8(c.k).c_str());
  SetWindowTextW(Item(kResultBox), L"stale");
  const auto greyed = [this](MenuCommand command) {
    const HMENU menu = CreateResultMenu(window_);
    const UINT state = GetMenuState(menu, command, MF_BYCOMMAND);
    DestroyMenu(menu);
    return (state & MF_GRAYED) != 0;
  };
  EXPECT_TRUE(greyed(kShowSteps)) << "nothing to explain before a Go";
  switch (c.trigger) {
    case Trigger::kClick:
      SendMessageW(Item(kGoButton), BM_CLICK, 0, 0);
      break;
    case Trigger::kSpaceOnGo:
      SetFocus(Item(kGoButton));
      Key(Item(kGoButton), VK_SPACE);
      break;
    case Trigger::kEnterInN:
      SetFocus(Item(kNBox));
      Key(Item(kNBox), VK_RETURN);
      break;
    case Trigger::kEnterInK:
      SetFocus(Item(kKBox));
      Key(Item(kKBox), VK_RETURN);
      break;
    case Trigger::kEnterInResult:
      SetFocus(Item(kResultBox));
      Key(Item(kResultBox), VK_RETURN);
      break;
  }
  Pump();
  EXPECT_EQ(Utf8FromWide(Text(Item(kResultBox))), c.shown);

  HWND tooltip = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) -> BOOL {
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        if (std::wstring(name) != TOOLTIPS_CLASSW) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&tooltip));
  ASSERT_NE(tooltip, nullptr);
  wchar_t reason[512] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(Item(kResultBox));
  tool.lpszText = reason;
  SendMessageW(tooltip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(Utf8FromWide(reason).substr(0, std::string(c.reason_start).size()), c.reason_start);
  if (*c.reason_start == '\0') {
    EXPECT_STREQ(reason, L"");
  }

  EXPECT_EQ(greyed(kCopyPlainNumber), c.plain == nullptr);
  // Show Steps explains the last Go while the box shows its result, whatever N holds since.
  SetWindowTextW(Item(kNBox), L"7");
  EXPECT_FALSE(greyed(kShowSteps));
  if (c.plain == nullptr) return;
  SendMessageW(window_, WM_COMMAND, kCopyPlainNumber, 0);
  ASSERT_TRUE(OpenClipboard(window_));
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const std::wstring copied = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  EXPECT_EQ(Utf8FromWide(copied), c.plain);
  SetWindowTextW(Item(kResultBox), L"x");
  EXPECT_TRUE(greyed(kShowSteps)) << "the box no longer shows the Go's result";
}

INSTANTIATE_TEST_SUITE_P(
    Table, GoTest,
    testing::Values(GoCase{"20", "10", Trigger::kClick, L",", L".", " 184,756", "", "184756"},
                    GoCase{"48", "24", Trigger::kEnterInN, L",", L".", " 32,247,603,683,100", "",
                           "32247603683100"},
                    GoCase{"49", "24", Trigger::kEnterInK, L",", L".", "Error",
                           "Step 24 of 24 computes the product", nullptr},
                    GoCase{"5", "2.5", Trigger::kEnterInResult, L",", L".", " 8", "", "8"},
                    GoCase{"20", "10", Trigger::kSpaceOnGo, L"'", L".", " 184'756", "", "184756"},
                    GoCase{"48", "24", Trigger::kClick, L"\u00A0", L",",
                           " 32\u00A0247\u00A0603\u00A0683\u00A0100", "", "32247603683100"},
                    GoCase{"5", "2.5", Trigger::kClick, L".", L",", " 8", "", "8"},
                    GoCase{"1000000", "1", Trigger::kClick, L".", L",", " 1.000.000", "",
                           "1000000"}));

// The English string table holds the explanation's own English sentences, one for one.
TEST(WindowTexts, EnglishSentencesMatchTheTable) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (PRIMARYLANGID(GetUserDefaultUILanguage()) != LANG_ENGLISH) GTEST_SKIP() << "not English";
  const ExplainSentences loaded = LoadedSentences(instance);
  for (std::size_t i = 0; i < kSentenceCount; ++i) {
    EXPECT_EQ(loaded[i], EnglishSentences()[i]) << "sentence " << i;
  }
}

// Run once in each language (CTest sets LC_ALL, which Wine takes as the user's language).
TEST(WindowTexts, InTheUserLanguage) {
  struct LanguageCase {
    WORD language;
    const char* copy_plain_number;
    const char* step_column;
  };
  constexpr LanguageCase kCases[] = {
      {LANG_ENGLISH, "Copy Plain &Number", "Step"},
      {LANG_ITALIAN, "Copia &numero semplice", "Passaggio"},
      {LANG_GERMAN, "Reine &Zahl kopieren", "Schritt"},
      {LANG_FRENCH, "Copier le &nombre brut", "\u00C9tape"},
  };
  const WORD language = PRIMARYLANGID(GetUserDefaultUILanguage());
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const LanguageCase& c : kCases) {
    if (c.language != language) continue;
    EXPECT_EQ(Utf8FromWide(LoadedString(instance, kCopyPlainNumber)), c.copy_plain_number);
    EXPECT_EQ(SentenceText(LoadedSentences(instance), Sentence::kColumnStep), c.step_column);
    return;
  }
  FAIL() << "no texts for language " << language;
}

}  // namespace
}  // namespace morvane::win32
