// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: the form's controls over the elements that the page was generated with, its events
// routed to the form's handlers, and what a screen reader is told, all from the same code as the
// window. The page already shows the form after start-up: binding to it changes nothing.

#include "address.h"
#include "binding.h"
#include "domcontrols.h"
#include "events.h"
#include "layout.h"
#include "morvela.h"
#include "pageids.h"
#include "speech.h"

#include <emscripten/bind.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace morvela::web {

namespace {

class Page final : ControlFactory
{
public:
    Page()
    {
        const layout::Form& form = layout::mainForm();
        controls_ = bindControls(form, *this);
        form_ = std::make_unique<Morvela>(controls_);
        for (const layout::Control& c : form.controls)
            if (c.kind == layout::Kind::CommandButton)
                commandCaptions_[c.id.index] = c.caption;
        dispatch(speech::loading, [this] { form_->Form_Load(); });
        addressChanged();
        // The first control that takes the focus gets it, unless the pupil has put it elsewhere.
        const val document = val::global("document");
        for (auto c = form.controls.begin();
             c != form.controls.end() && document["activeElement"] == document["body"]; ++c)
            if (form.takesFocus(*c))
                element(c->id.key()).call<void>("focus");
        val::global("performance").call<void>("mark", std::string("ready"));
    }

    void listChanged(int index)
    {
        if (dispatch(speech::choosingGroup,
                [this, index] { form_->List1_Click(static_cast<std::int16_t>(index)); }))
            announce(speech::choice(controls_, index));
        remember();
    }
    void optionClicked(int index)
    {
        if (dispatch(speech::choosingAlleles,
                [this, index] { form_->Option1_Click(static_cast<std::int16_t>(index)); }))
            announce(speech::reset(controls_));
        remember();
    }

    // A choice in the address is made as the pupil would make it, by the same handlers in the
    // same order: the option, then the father's group, then the mother's. The report is left for
    // "Изчисли". An address that holds something else changes nothing, and the page says so.
    void addressChanged()
    {
        const auto hash = boundedHash();
        if (hash && (hash->empty() || *hash == "#"))
            return;
        const auto wanted = hash ? choiceIn(*hash, controls_.List1) : std::nullopt;
        showAddressMessage(!wanted);
        if (!wanted) {
            announce(unreadableAddress);
            return;
        }
        const bool homozygous = wanted->homozygous.value_or(controls_.Option1[0]->value());
        if (homozygous != controls_.Option1[0]->value()) {
            const int option = homozygous ? 0 : 1;
            static_cast<DomOptionButton*>(controls_.Option1[std::size_t(option)])->check();
            optionClicked(option);
        }
        for (int i = 0; i < 2; ++i) {
            if (controls_.List1[i]->listIndex() == wanted->groups[i])
                continue;
            static_cast<DomListBox*>(controls_.List1[std::size_t(i)])->pick(wanted->groups[i]);
            listChanged(i);
        }
    }
    void commandClicked(int index)
    {
        if (!dispatch(speech::pressing(commandCaptions_[index]),
                [this, index] { form_->Command1_Click(static_cast<std::int16_t>(index)); }))
            return;
        announce(speech::afterCommand(controls_));
        if (!report_->text().empty())
            reveal(report_->area());
        remember();
    }

private:
    ListBox& listBox(const layout::Control& c) override
    {
        const auto index = static_cast<std::int16_t>(c.id.index);
        return *lists_.emplace_back(std::make_unique<DomListBox>(
            element(c.id.key()), [this, index] { form_->List1_Click(index); }));
    }
    OptionButton& optionButton(const layout::Control& c) override
    {
        val input = element(c.id.key());
        return *options_.emplace_back(
            std::make_unique<DomOptionButton>(input, input["nextElementSibling"]));
    }
    CaptionControl& caption(const layout::Control& c) override
    {
        return *captions_.emplace_back(std::make_unique<DomCaption>(element(c.id.key())));
    }
    TextBox& textBox(const layout::Control& c) override
    {
        // The text the page was written with, as the form assigned it.
        report_ = std::make_unique<DomTextBox>(element(c.id.key()), std::string(c.caption));
        return *report_;
    }

    // Runs one handler: an error stops it, is shown, and the page goes on with what had been
    // assigned. True when the handler ran to its end.
    bool dispatch(const std::string& action, const std::function<void()>& handler)
    {
        const std::string failure = speech::attempt(action, handler);
        // Whatever the handler assigned shows now, also after an error.
        for (auto& list : lists_)
            list->show();
        report_->show();
        if (!failure.empty()) {
            setText(element(std::string(ids::errorMessage)), failure);
            val dialog = element(std::string(ids::error));
            if (!dialog["open"].as<bool>())
                dialog.call<void>("showModal");
        }
        return failure.empty();
    }

    // The choice on screen, as the page's address carries it; empty while a list has none.
    std::string current() const
    {
        std::array<int, 2> groups {};
        for (int i = 0; i < 2; ++i) {
            groups[i] = controls_.List1[i]->listIndex();
            if (groups[i] < 0 || groups[i] > 3)
                return {};
        }
        return address(groups, controls_.Option1[0]->value(), controls_.List1);
    }

    // Kept in the address, so that a link gives this choice, with no new entry in the browser's
    // history for each. A word about an unreadable link stands until the pupil chooses.
    void remember()
    {
        showAddressMessage(false);
        const std::string now = current();
        if (!now.empty() && now != boundedHash())
            val::global("keepAddress")(now);
    }

    // The address's fragment, "#" included; nullopt where too long to be a choice, read only once
    // its length is known: a link can be as long as a browser lets it be.
    static std::optional<std::string> boundedHash()
    {
        const val hash = val::global("location")["hash"];
        if (hash["length"].as<double>() > double(longestAddress))
            return std::nullopt;
        return hash.as<std::string>();
    }

    static void showAddressMessage(bool shown)
    {
        val message = element(std::string(ids::addressMessage));
        if (message["hidden"].as<bool>() != shown)
            return;
        setText(message, shown ? unreadableAddress : "");
        message.set("hidden", !shown);
    }

    // A report written out of sight, as on a phone where the box stands above the buttons, is
    // brought into sight; the focus stays on the button.
    static void reveal(val box)
    {
        const val r = box.call<val>("getBoundingClientRect");
        if (r["top"].as<double>() >= 0
            && r["bottom"].as<double>() <= val::global("innerHeight").as<double>())
            return;
        val how = val::object();
        how.set("block", std::string("nearest"));
        const bool still = val::global("window")
                               .call<val>("matchMedia",
                                   std::string("(prefers-reduced-motion: reduce)"))["matches"]
                               .as<bool>();
        how.set("behavior", std::string(still ? "auto" : "smooth"));
        box.call<void>("scrollIntoView", how);
    }

    // Said through the status region without moving the focus. The same message twice in a row
    // differs by a no-break space, so that it is heard again.
    void announce(const std::string& message)
    {
        val region = element(std::string(ids::announcer));
        const std::string shown = region["textContent"].as<std::string>();
        setText(region, shown == message ? message + "\u00a0" : message);
    }

    std::vector<std::unique_ptr<DomListBox>> lists_;
    std::vector<std::unique_ptr<DomOptionButton>> options_;
    std::vector<std::unique_ptr<DomCaption>> captions_;
    std::unique_ptr<DomTextBox> report_;
    std::map<int, std::string> commandCaptions_;
    Controls controls_;
    std::unique_ptr<Morvela> form_;
};

std::unique_ptr<Page> page;

void start()
{
    page = std::make_unique<Page>();
}

} // namespace

} // namespace morvela::web

EMSCRIPTEN_BINDINGS(morvela)
{
    using namespace morvela::web;
    using morvela::layout::Kind;
    const auto name = [](Kind kind) { return std::string(pageEvent(kind)->handler); };
    emscripten::function("start", &start);
    emscripten::function(
        name(Kind::ListBox).c_str(), +[](int i) { page->listChanged(i); });
    emscripten::function(
        name(Kind::OptionButton).c_str(), +[](int i) { page->optionClicked(i); });
    emscripten::function(
        name(Kind::CommandButton).c_str(), +[](int i) { page->commandClicked(i); });
    emscripten::function(
        "addressChanged", +[] { page->addressChanged(); });
}
