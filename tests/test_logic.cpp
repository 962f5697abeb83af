// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's logic over recording stand-ins for its controls: the order in which the handlers
// nest, and the bounds of every lookup, which the real lists can never reach.

#include "binding.h"
#include "bindings.h"
#include "layout.h"
#include "listbox_cases.h"
#include "morvela.h"
#include "startform.h"

#include <QListWidget>
#include <QTest>

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

struct FakeList : morvela::ListBox
{
    Log& log;
    std::string name;
    std::vector<std::string> items;
    std::int16_t index = -1;
    std::function<void()> click;
    FakeList(Log& l, std::string n)
        : log(l)
        , name(std::move(n))
    {
    }
    void clear() override
    {
        items.clear();
        index = -1;
    }
    void addItem(const std::string& t) override { items.push_back(t); }
    std::int16_t listIndex() const override { return index; }
    std::int16_t listCount() const override { return std::int16_t(items.size()); }
    void choose(std::int16_t i) override
    {
        log.push_back(name + ".ListIndex=" + std::to_string(i));
        index = i;
        click();
        log.push_back(name + " assigned");
    }
    std::string item(std::int16_t i) const override
    {
        return i >= 0 && std::size_t(i) < items.size() ? items[std::size_t(i)] : std::string();
    }
};

struct FakeCaption : morvela::CaptionControl
{
    Log& log;
    std::string name, text;
    FakeCaption(Log& l, std::string n)
        : log(l)
        , name(std::move(n))
    {
    }
    std::string caption() const override { return text; }
    void setCaption(const std::string& t) override
    {
        log.push_back(name + "=" + t);
        text = t;
    }
};

struct FakeOption : morvela::OptionButton
{
    bool on;
    std::string text;
    FakeOption(bool v, std::string t)
        : on(v)
        , text(std::move(t))
    {
    }
    bool value() const override { return on; }
    std::string caption() const override { return text; }
};

struct FakeText : morvela::TextBox
{
    Log& log;
    std::string value;
    explicit FakeText(Log& l)
        : log(l)
    {
    }
    std::string text() const override { return value; }
    void setText(const std::string& t) override
    {
        log.push_back("Text=" + t);
        value = t;
    }
};

struct Rig
{
    Log log;
    FakeList lists[2] { { log, "List1(0)" }, { log, "List1(1)" } };
    FakeOption options[2] { { true, "Хомозиготни" }, { false, "Хетерозиготни" } };
    FakeCaption labels[4] { { log, "Label2(0)" }, { log, "Label2(1)" }, { log, "Label2(2)" },
        { log, "Label2(3)" } };
    FakeCaption cells[4] { { log, "Check1(0)" }, { log, "Check1(1)" }, { log, "Check1(2)" },
        { log, "Check1(3)" } };
    FakeText text { log };
    std::unique_ptr<morvela::Morvela> form;

    Rig()
    {
        morvela::Controls c;
        for (int i = 0; i < 2; ++i) {
            c.List1[i] = &lists[i];
            c.Option1[i] = &options[i];
        }
        for (int i = 0; i < 4; ++i) {
            c.Label2[i] = &labels[i];
            c.Check1[i] = &cells[i];
        }
        c.Text1[0] = &text;
        form = std::make_unique<morvela::Morvela>(c);
        for (std::int16_t i = 0; i < 2; ++i)
            lists[i].click = [this, i] { form->List1_Click(i); };
        form->Form_Load();
        log.clear();
    }
};

// Hands out a recorded control for each that the binding asks for, and remembers which.
struct Binder final : morvela::ControlFactory
{
    using Control = morvela::layout::Control;
    std::map<const void*, morvela::layout::Id> given;
    std::deque<morvela::web::RecordedList> lists;
    std::deque<morvela::web::RecordedOption> options;
    std::deque<morvela::web::RecordedCaption> captions;
    std::deque<morvela::web::RecordedText> texts;

    template <typename T> T& give(std::deque<T>& made, const Control& c)
    {
        T& t = made.emplace_back();
        given[&t] = c.id;
        return t;
    }
    morvela::ListBox& listBox(const Control& c) override { return give(lists, c); }
    morvela::OptionButton& optionButton(const Control& c) override { return give(options, c); }
    morvela::CaptionControl& caption(const Control& c) override { return give(captions, c); }
    morvela::TextBox& textBox(const Control& c) override { return give(texts, c); }
};

} // namespace

class LogicTest : public QObject
{
    Q_OBJECT

private slots:
    // The reset runs the first list's handler to its end, then the second's, then empties the box.
    void clearNesting()
    {
        Rig r;
        r.form->Command1_Click(1);
        // Each run writes the pair, builds the four cells, then rewrites every cell that starts
        // with "0" reversed.
        const auto run = [](const std::string& list, const std::string& a, const std::string& b) {
            Log l { list + ".ListIndex=0", a + "=0", b + "=0" };
            for (int pass = 0; pass < 2; ++pass)
                for (int i = 0; i < 4; ++i)
                    l.push_back("Check1(" + std::to_string(i) + ")=00");
            l.push_back(list + " assigned");
            return l;
        };
        Log want = run("List1(0)", "Label2(0)", "Label2(1)");
        const Log second = run("List1(1)", "Label2(2)", "Label2(3)");
        want.insert(want.end(), second.begin(), second.end());
        want.push_back("Text=");
        QCOMPARE(r.log, want);
    }

    // Selection indices at and beyond the five slots of the name table.
    void bounds_data()
    {
        QTest::addColumn<int>("father");
        QTest::addColumn<int>("mother");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("fails");
        QTest::newRow("father -1") << -1 << 0 << 2 << true;
        QTest::newRow("mother -1") << 0 << -1 << 2 << true;
        QTest::newRow("father 5") << 5 << 0 << 2 << true;
        QTest::newRow("mother 4, the empty fifth slot") << 0 << 4 << 3 << false;
        QTest::newRow("both 4") << 4 << 4 << 3 << false;
        QTest::newRow("mother 32767") << 1 << 32767 << 2 << true;
    }

    void bounds()
    {
        QFETCH(int, father);
        QFETCH(int, mother);
        QFETCH(int, lines);
        QFETCH(bool, fails);
        Rig r;
        r.lists[0].index = std::int16_t(father);
        r.lists[1].index = std::int16_t(mother);
        bool threw = false;
        try {
            r.form->Command1_Click(0);
        } catch (const std::out_of_range&) {
            threw = true;
        }
        QCOMPARE(threw, fails);
        int crlf = 0;
        for (std::size_t k = 0; k + 1 < r.text.value.size(); ++k)
            crlf += r.text.value.compare(k, 2, "\r\n") == 0;
        QCOMPARE(crlf, lines);
    }

    // A report is built in seven assignments, each extending what the box held.
    void sevenAssignments()
    {
        Rig r;
        r.text.value = "old";
        r.form->Command1_Click(0);
        QCOMPARE(r.log.size(), std::size_t(7));
        for (std::size_t k = 1; k < r.log.size(); ++k)
            QVERIFY(r.log[k].rfind(r.log[k - 1], 0) == 0);
    }

    void otherCommandIndices()
    {
        Rig r;
        r.form->Command1_Click(2);
        r.form->Command1_Click(-1);
        QVERIFY(r.log.empty());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, r.form->List1_Click(2));
    }

    // The window's list box and the generator's keep the one rule of a bad index; the page's runs
    // the same cases in list_boxes.
    void listIndexRule()
    {
        int clicks = 0;
        QListWidget widget;
        morvela::QtListBox window(&widget);
        window.setClickHandler([&clicks] { ++clicks; });
        morvela::web::RecordedList recorded;
        recorded.click = [&clicks] { ++clicks; };
        for (morvela::ListBox* list : { static_cast<morvela::ListBox*>(&window),
                 static_cast<morvela::ListBox*>(&recorded) }) {
            const auto faults = morvela::cases::listIndexFaults(*list, clicks);
            QVERIFY2(faults.empty(), faults.empty() ? "" : faults.front().c_str());
        }
    }

    // Each array of the logic gets the control of its name at its index; a description that
    // lacks one, or has one twice or out of range, is refused at once.
    void binding_data()
    {
        QTest::addColumn<std::string>("fault");
        QTest::newRow("the form") << std::string();
        QTest::newRow("no report box") << std::string("drop Text1_0");
        QTest::newRow("a list twice") << std::string("double List1_0");
        QTest::newRow("a fifth allele label") << std::string("renumber Label2_3");
    }

    void binding()
    {
        QFETCH(std::string, fault);
        using morvela::layout::Id;
        morvela::layout::Form form = morvela::layout::mainForm();
        auto& cs = form.controls;
        const auto at = [&cs](Id id) {
            return std::find_if(cs.begin(), cs.end(), [id](const auto& c) { return c.id == id; });
        };
        if (fault == "drop Text1_0")
            cs.erase(at({ "Text1", 0 }));
        else if (fault == "double List1_0")
            cs.push_back(*at({ "List1", 0 }));
        else if (fault == "renumber Label2_3")
            at({ "Label2", 3 })->id.index = 4;
        Binder binder;
        if (!fault.empty()) {
            QVERIFY_THROWS_EXCEPTION(std::logic_error, morvela::bindControls(form, binder));
            return;
        }
        const morvela::Controls c = morvela::bindControls(form, binder);
        const auto gets
            = [&binder](const void* made, Id id) { return binder.given.at(made) == id; };
        for (int i = 0; i < 2; ++i) {
            QVERIFY(gets(c.List1[i], { "List1", i }));
            QVERIFY(gets(c.Option1[i], { "Option1", i }));
        }
        for (int i = 0; i < 4; ++i) {
            QVERIFY(gets(c.Label2[i], { "Label2", i }));
            QVERIFY(gets(c.Check1[i], { "Check1", i }));
        }
        QVERIFY(gets(c.Text1[0], { "Text1", 0 }));
    }

    // A text that is no group name leaves the alleles and only rebuilds the grid.
    void unknownGroupText()
    {
        Rig r;
        r.labels[0].text = "B";
        r.lists[0].items[1] = "а"; // a Cyrillic letter, not the group A
        r.lists[0].index = 1;
        r.form->List1_Click(0);
        QCOMPARE(r.labels[0].text, std::string("B"));
        QCOMPARE(r.cells[0].text, std::string("B0"));
        QCOMPARE(r.log.front(), std::string("Check1(0)=B0"));
    }
};

QTEST_MAIN(LogicTest)
#include "test_logic.moc"
