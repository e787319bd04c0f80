// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace scrivolta::pdf {

// A failure of a writer operation: an output error, a call out of order, an
// argument the file cannot hold. The report code catches it per step.
class PdfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace scrivolta::pdf
