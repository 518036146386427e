// SPDX-License-Identifier: GPL-3.0-or-later
// The native window in this process, driven through its messages: the form's table at each
// DPI, styles, fonts, tab chain, focus and screen-reader names, Go by click, Space and Enter,
// the user's separators, the Error tooltip, Copy Plain Number, the Steps window and a second
// start.
#include <windows.h>

#include <gtest/gtest.h>
#include <initguid.h>  // IID_IAccessible defined here: MinGW's import library has no data.
#include <oleacc.h>

#include <algorithm>
#include <string>
#include <vector>

#include "morvane/explain.h"
#include "morvane/explain_sentences.h"
#include "morvane/form_layout.h"
#include "morvane/main_window.h"
#include "morvane/user_locale.h"
#include "morvane/wide_text.h"
#include "window_probe.h"
#include "window_text.h"

namespace morvane::win32 {
namespace {

// Sets one symbol of the user's Regional settings for a test and puts back the prefix's own
// (English, United States) afterwards, whatever another test may have left.
class RegionalSymbol {
 public:
  RegionalSymbol(LCTYPE symbol, const wchar_t* value) : symbol_(symbol) {
    SetLocaleInfoW(LOCALE_USER_DEFAULT, symbol, value);
  }
  ~RegionalSymbol() {
    SetLocaleInfoW(LOCALE_USER_DEFAULT, symbol_, symbol_ == LOCALE_SDECIMAL ? L"." : L",");
  }
  RegionalSymbol(const RegionalSymbol&) = delete;
  RegionalSymbol& operator=(const RegionalSymbol&) = delete;

 private:
  LCTYPE symbol_;
};

// The window a screen reader was last told had a live region change.
HWND live_region_changed = nullptr;
void CALLBACK OnLiveRegionChanged(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND window, LONG object,
                                  LONG child, DWORD /*thread*/, DWORD /*time*/) {
  if (object == OBJID_CLIENT && child == CHILDID_SELF) live_region_changed = window;
}

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
  HWND Item(const char* name) const { return ControlOf(window_, name); }
  HWND Item(const form::Control& control) const { return GetDlgItem(window_, ControlId(control)); }
  // A key as the message loop hands it to the keyboard handling of the target's window.
  static void Key(HWND target, WPARAM key) {
    MSG down{target, WM_KEYDOWN, key, 1, 0, {}};
    MSG up{target, WM_KEYUP, key, 1 | (3U << 30), 0, {}};
    const HWND top = GetAncestor(target, GA_ROOT);
    if (!IsDialogMessageW(top, &down)) DispatchMessageW(&down);
    if (!IsDialogMessageW(top, &up)) DispatchMessageW(&up);
  }
  void Go(const char* n, const char* k) const {
    SetWindowTextW(Item("txtN"), WideFromUtf8(n).c_str());
    SetWindowTextW(Item("txtK"), WideFromUtf8(k).c_str());
    SendMessageW(Item("cmdGo"), BM_CLICK, 0, 0);
  }

  HWND window_ = nullptr;
};

TEST_F(MainWindowTest, FixedCentredOwnedWindow) {
  ASSERT_EQ(GetDpiForWindow(window_), 96U) << "the prefix is not at 96 dpi";
  EXPECT_EQ(Utf8FromWide(Text(window_)), form::kCaption);
  RECT client;
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right, form::kClientWidth / form::kTwipsPerPixelAt96);
  EXPECT_EQ(client.bottom, form::kClientHeight / form::kTwipsPerPixelAt96);

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

// Each control of the table where its twips put it at each DPI (rounded as MulDiv rounds), in
// its font; at another DPI than the prefix's as Windows tells a window moved to such a screen.
TEST_F(MainWindowTest, ControlsAtTheirPlacesInTheirFontsAtEachDpi) {
  for (const int dpi : {96, 120, 144, 192}) {
    if (dpi != 96) {
      RECT suggested{dpi, dpi / 2, dpi + 600, dpi / 2 + 300};
      SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
      RECT outer;
      GetWindowRect(window_, &outer);
      EXPECT_EQ(outer.left, suggested.left) << dpi;
      EXPECT_EQ(outer.top, suggested.top) << dpi;
    }
    for (const form::Control& c : form::kControls) {
      const HWND control = Item(c);
      ASSERT_NE(control, nullptr) << c.name;
      const form::Rect twips = form::ClientTwips(c);
      const RECT expected{MulDiv(twips.left, dpi, 1440), MulDiv(twips.top, dpi, 1440),
                          MulDiv(twips.left, dpi, 1440) + MulDiv(twips.width, dpi, 1440),
                          MulDiv(twips.top, dpi, 1440) + MulDiv(twips.height, dpi, 1440)};
      RECT rect;
      GetWindowRect(control, &rect);
      MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
      EXPECT_TRUE(EqualRect(&rect, &expected))
          << c.name << " " << c.index << " at " << dpi << " dpi: " << rect.left << "," << rect.top
          << "," << rect.right << "," << rect.bottom;
      LOGFONTW font{};
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
                 &font);
      EXPECT_EQ(font.lfHeight, -MulDiv(c.font_hundredths, dpi, 7200)) << c.name << " " << dpi;
      EXPECT_EQ(std::wstring(font.lfFaceName), WideFromUtf8(form::kFaces.front())) << c.name;
      EXPECT_EQ(font.lfWeight, FW_NORMAL) << c.name;
      EXPECT_EQ(font.lfCharSet, ANSI_CHARSET) << c.name;
      EXPECT_EQ(Utf8FromWide(Text(control)), c.text) << c.name;
      if (c.kind == form::ControlKind::kTextBox) {
        EXPECT_EQ(SendMessageW(control, EM_GETLIMITTEXT, 0, 0), 4096) << c.name;
      }
    }
  }
}

TEST_F(MainWindowTest, FocusOpensOnResultAndTabsInTheTablesOrder) {
  std::vector<const form::Control*> chain;
  for (const form::Control& c : form::kControls) {
    if (c.kind == form::ControlKind::kTextBox || c.kind == form::ControlKind::kButton) {
      chain.push_back(&c);
    }
  }
  std::sort(chain.begin(), chain.end(), [](const form::Control* a, const form::Control* b) {
    return a->tab_index < b->tab_index;
  });
  ASSERT_EQ(chain.size(), 4U);
  EXPECT_EQ(GetFocus(), Item(*chain[0]));
  for (std::size_t i = 1; i <= chain.size(); ++i) {
    Key(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), Item(*chain[i % chain.size()])) << chain[i % chain.size()]->name;
  }
}

// The boxes as a screen reader reads them. Windows gives the table's names, set by annotation;
// Wine implements no annotation and names a box after the label created just before it.
TEST_F(MainWindowTest, BoxesNamedForScreenReaders) {
  const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  for (const form::Control& c : form::kControls) {
    if (c.kind != form::ControlKind::kTextBox) continue;
    const form::Control* label = form::LabelOf(c);
    if (wine && label == nullptr) continue;  // Only the annotation names it.
    IAccessible* accessible = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(Item(c), OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&accessible)),
              S_OK);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    const std::string read = name != nullptr ? Utf8FromWide(name) : "";
    SysFreeString(name);
    accessible->Release();
    EXPECT_EQ(read, wine ? label->text : c.accessible_name) << c.name;
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
  SetWindowTextW(Item("txtN"), WideFromUtf8(c.n).c_str());
  SetWindowTextW(Item("txtK"), WideFromUtf8(c.k).c_str());
  SetWindowTextW(Item("txtResult"), L"stale");
  const auto greyed = [this](MenuCommand command) {
    const HMENU menu = CreateResultMenu(window_);
    const UINT state = GetMenuState(menu, command, MF_BYCOMMAND);
    DestroyMenu(menu);
    return (state & MF_GRAYED) != 0;
  };
  EXPECT_TRUE(greyed(kShowSteps)) << "nothing to explain before a Go";
  live_region_changed = nullptr;
  const HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                      OnLiveRegionChanged, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  switch (c.trigger) {
    case Trigger::kClick:
      SendMessageW(Item("cmdGo"), BM_CLICK, 0, 0);
      break;
    case Trigger::kSpaceOnGo:
      SetFocus(Item("cmdGo"));
      Key(Item("cmdGo"), VK_SPACE);
      break;
    case Trigger::kEnterInN:
      SetFocus(Item("txtN"));
      Key(Item("txtN"), VK_RETURN);
      break;
    case Trigger::kEnterInK:
      SetFocus(Item("txtK"));
      Key(Item("txtK"), VK_RETURN);
      break;
    case Trigger::kEnterInResult:
      SetFocus(Item("txtResult"));
      Key(Item("txtResult"), VK_RETURN);
      break;
  }
  Pump();
  UnhookWinEvent(hook);
  EXPECT_EQ(Utf8FromWide(Text(Item("txtResult"))), c.shown);
  EXPECT_EQ(live_region_changed, Item("txtResult")) << "a screen reader hears no new result";

  const std::string reason = TooltipOf(window_);
  EXPECT_EQ(reason.substr(0, std::string(c.reason_start).size()), c.reason_start);
  if (*c.reason_start == '\0') {
    EXPECT_EQ(reason, "");
  }

  EXPECT_EQ(greyed(kCopyPlainNumber), c.plain == nullptr);
  // Show Steps explains the last Go while the box shows its result, whatever N holds since.
  SetWindowTextW(Item("txtN"), L"7");
  EXPECT_FALSE(greyed(kShowSteps));
  if (c.plain != nullptr) {
    SendMessageW(window_, WM_COMMAND, kCopyPlainNumber, 0);
    ASSERT_TRUE(OpenClipboard(window_));
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const std::wstring copied = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
    if (data) GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(Utf8FromWide(copied), c.plain);
  }
  SetWindowTextW(Item("txtResult"), L"x");
  EXPECT_TRUE(greyed(kShowSteps)) << "the box no longer shows the Go's result";
  EXPECT_EQ(TooltipOf(window_), "");
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

// The Steps window at the prefix's DPI and at 192 dpi: one window beside the main one and on
// the screen, modeless and resizable, its text the explanation in CR LF lines, opened at the
// outcome with the reason read whole; it follows a later Go and Escape closes it, handing the
// focus back.
TEST_F(MainWindowTest, StepsWindowBesideFollowsGoAndClosesWithEscape) {
  const auto explanation = [](const char* n, const char* k) {
    std::wstring lines;
    for (const wchar_t c : WideFromUtf8(
             ExplainText(n, k, UserSeparators(), LoadedSentences(GetModuleHandleW(nullptr))))) {
      lines += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
    }
    return lines;
  };
  for (const int dpi : {96, 192}) {
    RECT main_frame;
    GetWindowRect(window_, &main_frame);
    SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&main_frame));
    GetWindowRect(window_, &main_frame);
    Go("49", "24");
    SendMessageW(window_, WM_COMMAND, kShowSteps, 0);
    Pump();
    const HWND steps = ThreadWindow(L"MorvaneSteps", window_);
    ASSERT_NE(steps, nullptr);
    const HWND box = GetWindow(steps, GW_CHILD);
    EXPECT_TRUE(IsWindowVisible(steps));
    EXPECT_TRUE(IsWindowEnabled(window_)) << "the Steps window is modal";
    EXPECT_NE(GetWindowLongW(steps, GWL_STYLE) & WS_THICKFRAME, 0) << "not resizable";

    RECT place;
    RECT overlap;
    GetWindowRect(steps, &place);
    MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_FALSE(IntersectRect(&overlap, &place, &main_frame)) << "over the main window";
    EXPECT_TRUE(place.left >= monitor.rcWork.left && place.top >= monitor.rcWork.top &&
                place.right <= monitor.rcWork.right && place.bottom <= monitor.rcWork.bottom)
        << "off the screen at " << dpi << " dpi: " << place.left << "," << place.top << ","
        << place.right << "," << place.bottom;

    const std::wstring text = explanation("49", "24");
    EXPECT_EQ(Text(box), text);
    const auto in_view = [box](std::size_t at) {
      RECT client;
      GetClientRect(box, &client);
      const auto position = static_cast<DWORD>(SendMessageW(box, EM_POSFROMCHAR, at, 0));
      const POINT point{static_cast<SHORT>(LOWORD(position)), static_cast<SHORT>(HIWORD(position))};
      return PtInRect(&client, point) != 0;
    };
    // The reason, the last line, in view from its first character to its last.
    EXPECT_TRUE(in_view(text.rfind(L"\r\n", text.size() - 3) + 2)) << "the reason is cut";
    EXPECT_TRUE(in_view(text.size() - 3)) << "the reason is cut";

    SetWindowPos(steps, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    RECT steps_client;
    RECT box_rect;
    GetClientRect(steps, &steps_client);
    GetWindowRect(box, &box_rect);
    EXPECT_EQ(box_rect.right - box_rect.left, steps_client.right) << "the box does not fill it";
    Go("20", "10");
    const std::wstring later = explanation("20", "10");
    EXPECT_EQ(Text(box), later) << "the Steps window missed a Go";
    EXPECT_TRUE(in_view(later.size() - 3)) << "not scrolled to the outcome";

    Key(box, VK_ESCAPE);
    Pump();
    EXPECT_FALSE(IsWindowVisible(steps));
    EXPECT_EQ(GetActiveWindow(), window_);
  }
}

// A second start brings the running window forward and ends, rather than opening another
// window exactly over it.
TEST_F(MainWindowTest, SecondStartShowsTheRunningWindow) {
  std::wstring command = L"Z:" + WideFromUtf8(MORVANE_EXE);
  std::replace(command.begin(), command.end(), L'/', L'\\');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  // The running window answers the second start's messages while this waits.
  DWORD waited = WAIT_TIMEOUT;
  for (int i = 0; i < 200 && waited != WAIT_OBJECT_0; ++i) {
    waited = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 50, QS_ALLINPUT);
    Pump();
  }
  DWORD status = STILL_ACTIVE;
  GetExitCodeProcess(process.hProcess, &status);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(waited, WAIT_OBJECT_0) << "a second window opened";
  EXPECT_EQ(status, 0U);
  wchar_t name[32] = {};
  GetClassNameW(GetForegroundWindow(), name, 32);
  EXPECT_STREQ(name, L"MorvaneMain");
}

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
    // The Error tooltip speaks it too.
    const HWND window = CreateMainWindow(instance);
    ASSERT_NE(window, nullptr);
    SetWindowTextW(ControlOf(window, "txtN"), L"49");
    SetWindowTextW(ControlOf(window, "txtK"), L"24");
    SendMessageW(ControlOf(window, "cmdGo"), BM_CLICK, 0, 0);
    EXPECT_EQ(TooltipOf(window),
              FailureReason("49", "24", UserSeparators(), LoadedSentences(instance)));
    DestroyWindow(window);
    return;
  }
  FAIL() << "no texts for language " << language;
}

}  // namespace
}  // namespace morvane::win32
