// SPDX-FileCopyrightText: 2026 Morvela contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The page's own elements beside the form's controls, by id: the generator writes each into the
// shell in place of its marker, and the program finds each by it.

#include <array>
#include <string_view>

namespace morvela::web::ids {

inline constexpr std::string_view error = "Error"; // the dialog that says a handler failed
inline constexpr std::string_view errorMessage = "ErrorMessage";
inline constexpr std::string_view addressMessage = "AddressMessage"; // a link that cannot be read
inline constexpr std::string_view announcer = "Announcer"; // the status region
inline constexpr std::string_view table = "table"; // the table of parents' pairs

// Each id with the marker that stands for it in the shell.
inline constexpr std::array<std::array<std::string_view, 2>, 5> markers { {
    { "@ID_ERROR@", error },
    { "@ID_ERROR_MESSAGE@", errorMessage },
    { "@ID_ADDRESS_MESSAGE@", addressMessage },
    { "@ID_ANNOUNCER@", announcer },
    { "@ID_TABLE@", table },
} };

} // namespace morvela::web::ids
