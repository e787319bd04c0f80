// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/tastiera.h"
#include "ui/tastiera/disegnotastiera.h"

#include <QWidget>
#include <array>
#include <optional>

namespace scrivolta::ui {

// The on-screen keyboard with each key in the colour of its error rate:
// green for a key never wrong, through yellow, to red for one wrong a
// quarter of the time or more; grey for a key with no keystrokes yet.
class MappaCalore final : public QWidget {
public:
    explicit MappaCalore(QWidget* parent = nullptr);

    using Tassi = std::array<std::optional<double>, kNumeroTasti>;
    void mostra(const Tassi& tassi);
    const Tastiera& tastiera() const { return tastiera_; }

    // The colour of an error rate (0-1).
    static Colore coloreTasso(double tasso);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    int tastoSotto(const QPoint& punto) const;

    Tastiera tastiera_;
    const FontTastiera font_ = creaFontTastiera();
    Tassi tassi_{};
};

} // namespace scrivolta::ui
