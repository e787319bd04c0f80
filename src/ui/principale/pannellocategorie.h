// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/categorie.h"

#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QRadioButton;

namespace scrivolta::ui {

// `picMenu`: the category buttons `optMenu`, the symbol of the chosen one
// and the file list `cboListFile`. It draws the `SceltaTesto` it observes;
// a button click goes to the exercise, which decides what it means. The
// owner of both detaches it before the choice goes.
class PannelloCategorie final : public QWidget, private OsservatoreScelta {
public:
    PannelloCategorie(SceltaTesto& scelta, std::function<void(Categoria)> categoriaScelta,
                      QWidget* parent = nullptr);
    PannelloCategorie(const PannelloCategorie&) = delete;
    PannelloCategorie& operator=(const PannelloCategorie&) = delete;

    // Captions (with "&&" for "&") and balloon texts of the five buttons.
    void impostaTesti(const std::array<QString, kCategorie>& didascalie,
                      const std::array<QString, kCategorie>& suggerimenti);
    // `optMenu(4)` answers only when no greeting is running.
    void abilitaGioco(bool attivo);
    // Called after the list's choice so that typing goes on in the exercise.
    void impostaDopoScelta(std::function<void()> dopo) { dopoScelta_ = std::move(dopo); }
    // Called when the list drops down (`cboListFile_DropDown`).
    void impostaApertura(std::function<void()> apertura);

    QComboBox* lista() const;
    QRadioButton* categoria(int indice) const;

private:
    QHBoxLayout* creaPulsanti();
    QHBoxLayout* creaLista();
    void sceltaCambiata() override;
    void aggiornaPulsanti();
    void aggiornaLista();
    void apriLista();

    SceltaTesto& scelta_;
    std::function<void(Categoria)> categoriaScelta_;
    std::function<void()> dopoScelta_;
    std::array<QRadioButton*, kCategorie> optMenu_{};
    QLabel* lblIconaEsercizio_ = nullptr;
    class ListaFile;
    ListaFile* cboListFile_ = nullptr;
    bool giocoAttivo_ = true;
    bool aggiornando_ = false;
};

} // namespace scrivolta::ui
