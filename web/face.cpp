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

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What the program asks of the page beyond its controls.
// clang-format off
EM_JS(void, morvela_ready, (), { performance.mark("ready"); });
EM_JS(double, morvela_hash_length, (), { return location.hash.length; });
EM_JS(char*, morvela_hash, (), { return stringToNewUTF8(location.hash); });
EM_JS(void, morvela_keep_address, (const char* hash), { keepAddress(UTF8ToString(hash)); });
EM_JS(void, morvela_show_dialog, (int node), { showDialog(Module.nodes[node]); });
// A report written out of sight, as on a phone where the box stands above the buttons, is
// brought into sight; the focus stays on the button.
EM_JS(void, morvela_reveal, (int node), {
    var box = Module.nodes[node], r = box.getBoundingClientRect();
    if (r.top >= 0 && r.bottom <= innerHeight)
        return;
    var still = matchMedia("(prefers-reduced-motion: reduce)").matches;
    box.scrollIntoView({ block: "nearest", behavior: still ? "auto" : "smooth" });
});
// clang-format on

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
        // The focus is the page's own: its first control is written to take it.
        morvela_ready();
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
            morvela_reveal(report_->area().handle());
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
        const Node input = element(c.id.key());
        return *options_.emplace_back(std::make_unique<DomOptionButton>(input, input.next()));
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
            morvela_show_dialog(element(std::string(ids::error)).handle());
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
            morvela_keep_address(now.c_str());
    }

    // The address's fragment, "#" included; nullopt where too long to be a choice, read only once
    // its length is known: a link can be as long as a browser lets it be.
    static std::optional<std::string> boundedHash()
    {
        if (morvela_hash_length() > double(longestAddress))
            return std::nullopt;
        return detail::taken(morvela_hash());
    }

    static void showAddressMessage(bool shown)
    {
        const Node message = element(std::string(ids::addressMessage));
        if (message.flag("hidden") != shown)
            return;
        setText(message, shown ? unreadableAddress : "");
        message.set("hidden", shown ? 0.0 : 1.0);
    }

    // Said through the status region without moving the focus. The same message twice in a row
    // differs by a no-break space, so that it is heard again.
    void announce(const std::string& message)
    {
        const Node region = element(std::string(ids::announcer));
        const std::string shown = region.text("textContent");
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

} // namespace

} // namespace morvela::web

// The program's functions that the page's script calls, by the names that events.h gives them.
extern "C" {
EMSCRIPTEN_KEEPALIVE void startPage()
{
    morvela::web::page = std::make_unique<morvela::web::Page>();
}
EMSCRIPTEN_KEEPALIVE void listChanged(int i)
{
    morvela::web::page->listChanged(i);
}
EMSCRIPTEN_KEEPALIVE void optionClicked(int i)
{
    morvela::web::page->optionClicked(i);
}
EMSCRIPTEN_KEEPALIVE void commandClicked(int i)
{
    morvela::web::page->commandClicked(i);
}
EMSCRIPTEN_KEEPALIVE void addressChanged()
{
    morvela::web::page->addressChanged();
}
}
