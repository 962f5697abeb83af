// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Hears a keyboard lesson through UI Automation, the interface NVDA and Narrator read a program
// through: every control by name and type, each list's groups, the focus as it moves, and the
// notification after each choice, report and reset. Wine's UI Automation cannot yet deliver a
// notification to a client; it writes each one's text to the program's standard error under
// WINEDEBUG=fixme+uiautomation, and that is where this reads it. Prints what it heard.
// Usage, with the program already started: uia_lesson.exe PROGRAM_STDERR

#include <initguid.h>
#include <windows.h>
// Alone: uiautomationcoreapi.h names a parameter "new", which C++ rejects.
#include <uiautomationclient.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string utf8(const std::wstring& text)
{
    std::string out(text.size() * 4, '\0');
    out.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
        out.data(), static_cast<int>(out.size()), nullptr, nullptr));
    return out;
}

void say(const std::wstring& line)
{
    std::printf("%s\n", utf8(line).c_str()), std::fflush(stdout);
}

[[noreturn]] void fail(const std::wstring& why)
{
    say(L"FAIL: " + why);
    ExitProcess(1);
}

// Asks again until the condition holds, for at most ten seconds; false if it never did.
bool within10s(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::wstring typeName(CONTROLTYPEID type)
{
    static const std::pair<CONTROLTYPEID, const wchar_t*> names[]
        = { { UIA_ButtonControlTypeId, L"Button" }, { UIA_CheckBoxControlTypeId, L"CheckBox" },
              { UIA_EditControlTypeId, L"Edit" }, { UIA_ImageControlTypeId, L"Image" },
              { UIA_ListItemControlTypeId, L"ListItem" }, { UIA_ListControlTypeId, L"List" },
              { UIA_RadioButtonControlTypeId, L"RadioButton" },
              { UIA_GroupControlTypeId, L"Group" }, { UIA_TextControlTypeId, L"Text" },
              { UIA_WindowControlTypeId, L"Window" }, { UIA_PaneControlTypeId, L"Pane" },
              { UIA_ScrollBarControlTypeId, L"ScrollBar" }, { UIA_TableControlTypeId, L"Table" },
              { UIA_DataItemControlTypeId, L"DataItem" } };
    for (const auto& [id, name] : names)
        if (id == type)
            return name;
    return std::to_wstring(type);
}

// "Type 'name'", as a control is heard.
std::wstring heard(IUIAutomationElement* e)
{
    BSTR name = nullptr;
    CONTROLTYPEID type = 0;
    e->get_CurrentName(&name);
    e->get_CurrentControlType(&type);
    std::wstring out = typeName(type) + L" '" + (name ? name : L"") + L"'";
    SysFreeString(name);
    return out;
}

IUIAutomation* uia = nullptr;
std::mutex lock;
std::vector<std::wstring> focusHeard;

std::vector<IUIAutomationElement*> children(IUIAutomationElement* e)
{
    IUIAutomationCondition* all = nullptr;
    IUIAutomationElementArray* found = nullptr;
    uia->CreateTrueCondition(&all);
    std::vector<IUIAutomationElement*> out;
    if (SUCCEEDED(e->FindAll(TreeScope_Children, all, &found)) && found) {
        int n = 0;
        found->get_Length(&n);
        for (int i = 0; i < n; ++i) {
            IUIAutomationElement* child = nullptr;
            if (SUCCEEDED(found->GetElement(i, &child)))
                out.push_back(child);
        }
        found->Release();
    }
    all->Release();
    return out;
}

// The tree as lines "Type 'name'", each child's indented under its parent.
void walk(IUIAutomationElement* e, std::vector<std::wstring>& tree, int depth = 0)
{
    tree.push_back(std::wstring(2 * depth, L' ') + heard(e));
    for (IUIAutomationElement* child : children(e)) {
        walk(child, tree, depth + 1);
        child->Release();
    }
}

class FocusHandler final : public IUIAutomationFocusChangedEventHandler
{
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IUIAutomationFocusChangedEventHandler) {
            *out = static_cast<IUIAutomationFocusChangedEventHandler*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* sender) override
    {
        const std::wstring what = heard(sender);
        std::lock_guard<std::mutex> hold(lock);
        focusHeard.push_back(what);
        return S_OK;
    }
};

// The notifications raised so far, from Wine's lines
// fixme:uiautomation:UiaRaiseNotificationEvent (…, 4, 1, L"\0411\0430…", L""): stub
// A text that Wine cut short ends in "…".
std::vector<std::wstring> notifications(const char* log)
{
    std::ifstream in(log, std::ios::binary);
    std::vector<std::wstring> out;
    for (std::string line; std::getline(in, line);) {
        const std::size_t call = line.find("UiaRaiseNotificationEvent");
        const std::size_t start = call == std::string::npos ? call : line.find("L\"", call);
        if (start == std::string::npos)
            continue;
        std::wstring text;
        std::size_t i = start + 2;
        for (; i < line.size() && line[i] != '"'; ++i) {
            if (line[i] != '\\' || i + 1 >= line.size()) {
                text += static_cast<wchar_t>(static_cast<unsigned char>(line[i]));
            } else if (std::isxdigit(static_cast<unsigned char>(line[i + 1]))) {
                text += static_cast<wchar_t>(std::stoi(line.substr(i + 1, 4), nullptr, 16));
                i += 4;
            } else {
                ++i;
                text += line[i] == 'n' ? L'\n'
                    : line[i] == 'r'   ? L'\r'
                    : line[i] == 't'   ? L'\t'
                                       : static_cast<wchar_t>(line[i]);
            }
        }
        if (line.compare(i + 1, 3, "...") == 0)
            text += L'…';
        out.push_back(text);
    }
    return out;
}

bool sameText(const std::wstring& said, const std::wstring& expected)
{
    if (!said.empty() && said.back() == L'…')
        return expected.compare(0, said.size() - 1, said, 0, said.size() - 1) == 0;
    return said == expected;
}

void press(WORD key)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
}

// The first element under e heard as that, or null; the caller releases it.
IUIAutomationElement* find(IUIAutomationElement* e, const std::wstring& wanted)
{
    IUIAutomationElement* found = nullptr;
    for (IUIAutomationElement* child : children(e)) {
        if (!found && heard(child) == wanted) {
            found = child;
            continue;
        }
        if (!found)
            found = find(child, wanted);
        child->Release();
    }
    return found;
}

// The report's last line, read by the text pattern's line unit as a reader's "say line" reads it
// at the end of the text; nothing if this UI Automation offers no text pattern to a client.
std::optional<std::wstring> lastReportLine(IUIAutomationElement* root)
{
    IUIAutomationElement* report = find(root, L"Edit 'Пояснения и резултат'");
    if (!report)
        fail(L"no report box to read");
    IUIAutomationTextPattern* text = nullptr;
    IUIAutomationTextRange* range = nullptr;
    std::optional<std::wstring> line;
    if (SUCCEEDED(report->GetCurrentPatternAs(
            UIA_TextPatternId, IID_IUIAutomationTextPattern, reinterpret_cast<void**>(&text)))
        && text && SUCCEEDED(text->get_DocumentRange(&range)) && range) {
        say(L"the text pattern is offered");
        BSTR got = nullptr;
        range->MoveEndpointByRange(
            TextPatternRangeEndpoint_Start, range, TextPatternRangeEndpoint_End);
        range->ExpandToEnclosingUnit(TextUnit_Line);
        range->GetText(-1, &got);
        line = got ? std::wstring(got) : std::wstring();
        while (!line->empty() && (line->back() == L'\n' || line->back() == L'\r'))
            line->pop_back();
        SysFreeString(got);
        range->Release();
    }
    if (text)
        text->Release();
    report->Release();
    return line;
}

struct Step
{
    const wchar_t* name;
    std::vector<WORD> keys;
    std::wstring focus; // the control that has the focus afterwards; empty: the focus stays put
    std::wstring said; // the last notification of the step; empty: none
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        fail(L"usage: uia_lesson.exe PROGRAM_STDERR");
    const char* log = argv[1];
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
            IID_IUIAutomation, reinterpret_cast<void**>(&uia))))
        fail(L"no UI Automation client interface");

    HWND window = nullptr;
    if (!within10s([&window] {
            window = FindWindowW(nullptr, L"morvela.example  Биология - родители и кръвна група");
            return window != nullptr;
        }))
        fail(L"no window titled as laid out");
    // Qt serves UI Automation events once a client has asked for the window, as a screen reader
    // does on start: ask before driving it.
    IUIAutomationElement* root = nullptr;
    if (FAILED(uia->ElementFromHandle(window, &root)) || !root)
        fail(L"the window has no UI Automation element");
    FocusHandler focus;
    if (FAILED(uia->AddFocusChangedEventHandler(nullptr, &focus)))
        fail(L"no focus events");

    std::vector<std::wstring> tree;
    walk(root, tree);
    say(L"The window's tree:");
    for (const std::wstring& line : tree)
        say(L"  " + line);
    // Each control, and each list with its four groups beneath it, in the order shown.
    const std::vector<std::vector<std::wstring>> expected { { L"Edit 'Пояснения и резултат'" },
        { L"Image 'Таблица: кръвни групи на децата според родителите'" },
        { L"List 'Баща кръвна група'", L"ListItem '0'", L"ListItem 'A'", L"ListItem 'B'",
            L"ListItem 'AB'" },
        { L"List 'Майка кръвна група'", L"ListItem '0'", L"ListItem 'A'", L"ListItem 'B'",
            L"ListItem 'AB'" },
        { L"Button 'Изчисли'" }, { L"Button 'Изчисти'" },
        { L"Group 'Алели при кръвна група A или B'", L"RadioButton 'Хомозиготни'",
            L"RadioButton 'Хетерозиготни'" },
        { L"Table 'Решетка на Пънет'", L"DataItem '00'", L"DataItem '00'", L"DataItem '00'",
            L"DataItem '00'" } };
    for (const auto& run : expected) {
        auto trimmed = [](const std::wstring& s) { return s.substr(s.find_first_not_of(L' ')); };
        bool found = false;
        for (std::size_t at = 0; at < tree.size() && !found; ++at) {
            found = at + run.size() <= tree.size();
            for (std::size_t k = 0; found && k < run.size(); ++k)
                found = trimmed(tree[at + k]) == run[k];
        }
        if (!found)
            fail(L"the tree has no " + run.front() + L" followed by its "
                + std::to_wstring(run.size() - 1) + L" parts as expected");
    }

    // Nothing in the window can be checked.
    for (const std::wstring& line : tree)
        if (line.find(L"CheckBox") != std::wstring::npos)
            fail(L"a check box in the tree: " + line);

    SetForegroundWindow(window);
    const std::wstring cleared = L". Формата е изчистена: двамата родители са с група 0, алелите "
                                 L"са 0 и 0, отчетът е празен.";
    const Step lesson[] = {
        { L"the picture", { VK_TAB }, L"Image 'Таблица: кръвни групи на децата според родителите'",
            L"" },
        { L"the father's list", { VK_TAB }, L"ListItem '0'", L"" },
        { L"father A", { VK_DOWN }, L"ListItem 'A'",
            L"Баща, група A: алели A и A. Решетка на Пънет: A0, A0, A0, A0." },
        { L"the mother's list", { VK_TAB }, L"ListItem '0'", L"" },
        { L"mother B, two quick choices", { VK_DOWN, VK_DOWN }, L"ListItem 'B'",
            L"Майка, група B: алели B и B. Решетка на Пънет: AB, AB, AB, AB." },
        { L"the calculate button", { VK_TAB }, L"Button 'Изчисли'", L"" },
        { L"the report", { VK_SPACE }, L"",
            L"При кръвна група родители: A и B вероятност:  A = 18.75%;   B = 18.75%;  AB = "
            L"56.25%;  0 = 6.25%" },
        { L"the clear button", { VK_TAB }, L"Button 'Изчисти'", L"" },
        { L"cleared", { VK_SPACE }, L"", L"Хомозиготни" + cleared },
        { L"the chosen option", { VK_TAB }, L"RadioButton 'Хомозиготни'", L"" },
        { L"the other option", { VK_DOWN }, L"RadioButton 'Хетерозиготни'",
            L"Хетерозиготни" + cleared },
    };
    // Keys go to the foreground window: the lesson starts once the window is it.
    if (!within10s([window] { return GetForegroundWindow() == window; }))
        fail(L"the window did not come to the foreground");
    std::size_t focusSeen, saidSeen = notifications(log).size();
    {
        std::lock_guard<std::mutex> hold(lock);
        focusSeen = focusHeard.size();
    }
    std::wstring focused;
    for (const Step& step : lesson) {
        for (WORD key : step.keys)
            press(key);
        std::vector<std::wstring> moved, said;
        bool done = false;
        for (int wait = 0; wait < 100 && !done; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            {
                std::lock_guard<std::mutex> hold(lock);
                moved.assign(focusHeard.begin() + focusSeen, focusHeard.end());
            }
            const std::vector<std::wstring> all = notifications(log);
            said.assign(all.begin() + saidSeen, all.end());
            const bool focusDone
                = step.focus.empty() || (!moved.empty() && moved.back() == step.focus);
            const bool saidDone
                = step.said.empty() || (!said.empty() && sameText(said.back(), step.said));
            // A step that expects no notification, or no move, waits a moment to be sure of it.
            done = focusDone && saidDone
                && (wait >= 5 || (!step.focus.empty() && !step.said.empty()));
        }
        std::wstring line = std::wstring(step.name) + L": focus";
        for (const std::wstring& f : moved)
            line += L" -> " + f;
        line += L"; notifications:";
        for (const std::wstring& s : said)
            line += L" '" + s + L"'";
        say(line);
        if (!done)
            fail(std::wstring(step.name) + L": expected the focus on "
                + (step.focus.empty() ? L"the same control" : step.focus)
                + L" and the notification '" + step.said + L"'");
        for (const std::wstring& f : moved)
            if (step.focus.empty() && f != focused)
                fail(std::wstring(step.name) + L": the focus moved off the button pressed");
        if (!step.focus.empty())
            focused = step.focus;
        if (step.said.rfind(L"При кръвна група", 0) == 0) {
            const std::wstring result = step.said.substr(step.said.rfind(L"  A = ") + 2);
            const std::optional<std::wstring> line = lastReportLine(root);
            say(L"the report's last line by the line unit: "
                + (line ? L"'" + *line + L"'" : std::wstring(L"no text pattern offered")));
            if (line && *line != result)
                fail(L"the report's last line reads '" + *line + L"', not '" + result + L"'");
        }
        if (step.said.empty() && !said.empty())
            fail(std::wstring(step.name) + L": a notification where none belongs");
        // Each choice, report and reset is told once: a reader would say a repeated one twice.
        if (said.size() > step.keys.size())
            fail(std::wstring(step.name) + L": more notifications than actions");
        focusSeen += moved.size();
        saidSeen += said.size();
    }
    uia->RemoveAllEventHandlers();
    root->Release();
    uia->Release();
    say(L"PASS: every control by name and type, four groups in each list, the focus through the "
        L"lesson, and a notification of each choice, the report and each reset");
    return 0;
}
