// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's keys, clicks and activation, and its shut-down.
#include "ui/comune/clsresize.h"
#include "ui/comune/codicitasti.h"
#include "ui/principale/display.h"
#include "ui/principale/frmtastiro.h"
#include "ui/principale/pannellocategorie.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace scrivolta::ui {

void FrmTastiro::tastoGiu(QKeyEvent* event, bool dallInput) {
    if (event->key() == kTastoProgressi) {
        if (!event->isAutoRepeat())
            mostraProgressi();
        return;
    }
    osservaMaiuscole(maiuscole_, *event);
    const int vk = codiceVirtuale(event->key());
    coda_.esegui([this, vk, codici = codiciCarattere(*event), dallInput] {
        if (dallInput && vk != 0 && esercizio_->txtInput_KeyDown(vk))
            return;
        giudica(codici, dallInput);
    });
}

void FrmTastiro::caratteri(const QString& testo, bool dallInput) {
    coda_.esegui([this, codici = codiciTesto(testo), dallInput] { giudica(codici, dallInput); });
}

void FrmTastiro::giudica(const std::vector<int>& codici, bool dallInput) {
    for (const int codice : codici) {
        if (chiuso_)
            return;
        if (!esercizio_->Form_KeyPress(codice) && dallInput)
            esercizio_->txtInput_KeyPress(codice);
    }
}

void FrmTastiro::tastoSu(QKeyEvent* event) {
    if (event->isAutoRepeat())
        return;
    nascondiMappaTasti();
    coda_.esegui([this, vk = codiceVirtuale(event->key())] {
        if (chiuso_)
            return;
        if (vk != 0)
            esercizio_->Form_KeyUp(vk);
        // The file list, once the learner has gone there, is left by a
        // choice or by Esc, not by any key.
        if (!chiuso_ && !categorie_->isAncestorOf(focusWidget()))
            prendiTasti();
    });
}

// The input line takes the keys. Hidden at the greeting it cannot: the
// window itself takes them then, as a hidden line left in focus would hand
// them to the file list at the next activation, where the arrows would
// change the file.
void FrmTastiro::prendiTasti() {
    if (display_->input()->isVisible())
        display_->input()->setFocus();
    else
        setFocus();
}

void FrmTastiro::keyPressEvent(QKeyEvent* event) {
    tastoGiu(event, false);
}

// Esc leaves the file list for the input line; only from the input line
// does it ask to end the program.
void FrmTastiro::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && categorie_->isAncestorOf(focusWidget())) {
        prendiTasti();
        return;
    }
    tastoSu(event);
}

void FrmTastiro::mousePressEvent(QMouseEvent* event) {
    nascondiMappaTasti();
    QWidget::mousePressEvent(event);
}

void FrmTastiro::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        nascondiMappaTasti();
    QWidget::changeEvent(event);
}

void FrmTastiro::closeEvent(QCloseEvent* event) {
    chiuso_ = true;
    coda_.svuota();
    Form_Unload();
    event->accept();
}

void FrmTastiro::Form_Unload() {
    if (scaricato_)
        return;
    scaricato_ = true;
    timerOrologio_.stop();
    timerLampeggio_.stop();
    SalvaOpzioni(percorsi_, opzioniInUso());
    layout_.RipristinaLayoutPrecedente();
    ridimensiona_.reset();
}

} // namespace scrivolta::ui
