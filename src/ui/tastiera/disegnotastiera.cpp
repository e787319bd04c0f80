// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tastiera/disegnotastiera.h"

#include "app/ridimensiona.h"
#include "ui/comune/conversioni.h"
#include "ui/comune/disegnipronti.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace scrivolta::ui {

namespace {

constexpr int kBordoCornice = 3;
const QColor kColoreCornice(220, 20, 60);

int pixelDaPunti(float punti) {
    return static_cast<int>(std::lround(punti * 96.0F / 72.0F));
}

QString simbolo(Simbolo s) {
    switch (s) {
    case Simbolo::Maiuscole:
        return QStringLiteral("\u21E7");
    case Simbolo::Tabulazione:
        return QStringLiteral("\u21B9");
    case Simbolo::Cancella:
        return QStringLiteral("\u27F5");
    case Simbolo::Windows:
        return QStringLiteral("\u229E");
    case Simbolo::Tastiera:
        return QStringLiteral("\u2328");
    case Simbolo::Nessuno:
        break;
    }
    return {};
}

// The finger of each picture 0-9: left pinky to left index, right index to
// right pinky, then the two thumbs.
constexpr std::array<Dito, 10> kDitaImmagini = {
    Dito::MignoloSinistro, Dito::AnulareSinistro, Dito::MedioSinistro, Dito::IndiceSinistro,
    Dito::IndiceDestro,    Dito::MedioDestro,     Dito::AnulareDestro, Dito::MignoloDestro,
    Dito::Pollici,         Dito::Pollici,
};
constexpr std::array<int, 10> kNumeroDito = {5, 4, 3, 2, 2, 3, 4, 5, 1, 1};

// A fingertip in the finger's colour with its number, as the piano
// teachers count: thumb 1 to little finger 5.
void dipingiDito(QPainter& p, const QRect& r, int immagine, const QFont& font) {
    const QColor colore =
        qColore(coloreDito(kDitaImmagini[static_cast<std::size_t>(immagine)])).darker(135);
    const QRectF punta(r.right() - 15, r.bottom() - 19, 13, 17);
    p.setPen(QPen(colore.darker(150), 1));
    p.setBrush(colore);
    p.drawRoundedRect(punta, 6, 6);
    p.setPen(Qt::white);
    p.setFont(font);
    p.drawText(punta, Qt::AlignCenter,
               QString::number(kNumeroDito[static_cast<std::size_t>(immagine)]));
}

void dipingiCornice(QPainter& p, const QRect& r) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kColoreCornice, kBordoCornice));
    p.drawRoundedRect(QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
}

// On screen from a picture drawn once, on paper in place.
template <typename Disegno>
void dipingiPronto(QPainter& p, const FontTastiera& font, const QRect& r, int tipo,
                   Disegno disegno) {
    if (font.pronti != nullptr)
        font.pronti->immagini.disegna(p, r, tipo, disegno);
    else
        disegno(p, r);
}

void dipingiErrore(QPainter& p, const QRect& r) {
    const QRectF cerchio = QRectF(r).adjusted(3, 3, -3, -3);
    p.setPen(QPen(QColor(200, 0, 0, 230), 3));
    p.setBrush(QColor(255, 80, 80, 90));
    p.drawEllipse(cerchio);
    const QRectF croce = cerchio.adjusted(7, 7, -7, -7);
    p.drawLine(croce.topLeft(), croce.bottomRight());
    p.drawLine(croce.topRight(), croce.bottomLeft());
}

void scrivi(QPainter& p, const QRect& area, int allineamento, const QString& testo,
            TestiStatici* testi) {
    if (testi != nullptr)
        testi->disegna(p, area, allineamento, testo);
    else
        p.drawText(area, allineamento, testo);
}

// A two-line caption as printed on key caps: the Shift character above,
// the plain one below and the Alt Gr one at the lower right. A character
// set four or more columns into its line is an Alt Gr one.
void dipingiRighe(QPainter& p, const QRect& area, const QStringList& righe, TestiStatici* testi) {
    for (int riga = 0; riga < 2; ++riga) {
        const QString& testo = righe[riga];
        const auto allineamento = riga == 0 ? Qt::AlignTop : Qt::AlignBottom;
        int colonna = 0;
        for (const QString& parte : testo.split(QLatin1Char(' '))) {
            if (!parte.isEmpty()) {
                const bool destra = colonna >= 4;
                scrivi(p, area, allineamento | (destra ? Qt::AlignRight : Qt::AlignLeft), parte,
                       testi);
            }
            colonna += static_cast<int>(parte.size()) + 1;
        }
    }
}

// The outline's lines are all level or upright: filled as one-pixel
// rectangles, end points included as a one-pixel pen draws them, they cost
// a fraction of stroking lines through a repaint's clip.
void dipingiContorno(QPainter& p, const std::vector<Segmento>& segmenti) {
    for (const Segmento& seg : segmenti) {
        const QPoint da(seg.da.x, seg.da.y);
        const QPoint a(seg.a.x, seg.a.y);
        if (da.x() == a.x() || da.y() == a.y()) {
            p.fillRect(QRect(QPoint(std::min(da.x(), a.x()), std::min(da.y(), a.y())),
                             QPoint(std::max(da.x(), a.x()), std::max(da.y(), a.y()))),
                       qColore(seg.colore));
        } else {
            p.setPen(qColore(seg.colore));
            p.drawLine(da, a);
        }
    }
}

void dipingiDidascalia(QPainter& p, const QRect& area, int tasto, const QString& testo,
                       TestiStatici* testi) {
    const Tasto& t = kTasti[static_cast<std::size_t>(tasto)];
    if (t.simbolo != Simbolo::Nessuno) {
        scrivi(p, area, Qt::AlignCenter, testo, testi);
        return;
    }
    const QStringList righe = testo.split(QLatin1Char('\n'));
    if (righe.size() == 2) {
        dipingiRighe(p, area, righe, testi);
        return;
    }
    scrivi(p, area, (t.centrato ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop, testo, testi);
}

} // namespace

namespace {

QFont fontTasto(int tasto, bool grassetto, double fattore) {
    const Tasto& t = kTasti[static_cast<std::size_t>(tasto)];
    QFont f(
        t.simbolo == Simbolo::Nessuno
            ? QString::fromLatin1(t.font.famiglia.data(), static_cast<int>(t.font.famiglia.size()))
            : QStringLiteral("DejaVu Sans"));
    const double punti = t.simbolo == Simbolo::Nessuno ? t.font.punti : t.font.punti * 0.8;
    f.setPixelSize(pixelDaPunti(static_cast<float>(punti * fattore)));
    // Symbols keep their weight: a bold face of the symbol font is one more
    // font to load for no visible gain.
    f.setBold(grassetto && t.simbolo == Simbolo::Nessuno);
    return f;
}

} // namespace

FontTastiera creaFontTastiera(bool scalata) {
    const double fattore = scalata ? ridimensiona::fattoreFont() : 1.0;
    FontTastiera font;
    for (int i = 0; i < kNumeroTasti; ++i) {
        font.normale[static_cast<std::size_t>(i)] = fontTasto(i, false, fattore);
        font.grassetto[static_cast<std::size_t>(i)] = fontTasto(i, true, fattore);
    }
    // The finger pictures keep their size on any screen.
    font.dita = QFont(QStringLiteral("Arial"));
    font.dita.setPixelSize(11);
    font.dita.setBold(true);
    return font;
}

QString testoTasto(int tasto, const StatoTasto& stato) {
    const Tasto& t = kTasti[static_cast<std::size_t>(tasto)];
    if (t.simbolo != Simbolo::Nessuno)
        return simbolo(t.simbolo);
    QString testo = daCp1252(stato.didascalia);
    testo.replace(QStringLiteral("&&"), QStringLiteral("&"));
    testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return testo;
}

QRect rettangoloDisegno(const Tastiera& tastiera, int tasto) {
    const Rettangolo r = tastiera.rettangolo(tasto);
    const int m = tastiera.spessoreRilievo + 1;
    return QRect(r.left - m, r.top - m, r.width + 2 * m, r.height + 2 * m);
}

// A frame lies on the key's own outline rings, so that moving it never
// touches the keys around.
QRect rettangoloCornice(const Cornice& cornice) {
    return QRect(cornice.r.left, cornice.r.top, cornice.r.width, cornice.r.height)
        .adjusted(-kBordoCornice - 1, -kBordoCornice - 1, kBordoCornice + 1, kBordoCornice + 1);
}

// The frame's pen with its smoothed edge, and nothing of the key's middle.
QRegion anelloCornice(const Cornice& cornice) {
    const QRect fuori = rettangoloCornice(cornice);
    constexpr int kSpessore = kBordoCornice + 3;
    return QRegion(fuori).subtracted(fuori.adjusted(kSpessore, kSpessore, -kSpessore, -kSpessore));
}

QRect rettangoloImmagine(Punto posizione) {
    return QRect(posizione.x, posizione.y, Tastiera::kLatoImmagine, Tastiera::kLatoImmagine);
}

void dipingiTasto(QPainter& p, const Tastiera& tastiera, int tasto, const FontTastiera& font,
                  bool conDidascalia) {
    const StatoTasto& s = tastiera.stato(tasto);
    const Rettangolo r = tastiera.rettangolo(tasto);
    const QRect area(r.left, r.top, r.width, r.height);
    p.fillRect(area, qColore(s.sfondo));
    p.setPen(qColore(s.testo));
    p.setFont(font.di(tasto, s.grassetto));
    if (conDidascalia)
        dipingiDidascalia(p, area.adjusted(2, 1, -1, 0), tasto, testoTasto(tasto, s),
                          font.pronti != nullptr ? &font.pronti->testi : nullptr);
    dipingiContorno(p, tastiera.contorno(tasto));
}

void dipingiTastiera(QPainter& p, const Tastiera& tastiera, const FontTastiera& font,
                     const QRegion& zona, const QColor& fondo, bool simboloMenu) {
    for (const QRect& r : zona)
        p.fillRect(r, fondo);
    for (int i = 0; i < kNumeroTasti; ++i) {
        if (zona.intersects(rettangoloDisegno(tastiera, i)))
            dipingiTasto(p, tastiera, i, font, simboloMenu || i != indiceTasto::Menu);
    }
    dipingiMaschereInvio(p, tastiera);
    dipingiRilievi(p, tastiera, zona);
    dipingiSegni(p, tastiera, font, zona);
}

void dipingiMaschereInvio(QPainter& p, const Tastiera& tastiera) {
    const QColor colore = qColore(tastiera.stato(indiceTasto::InvioAlto).sfondo);
    for (const Rettangolo& m : maschereInvio(tastiera.scalata()))
        p.fillRect(QRect(m.left, m.top, m.width, m.height), colore);
}

void dipingiRilievi(QPainter& p, const Tastiera& tastiera, const QRegion& zona) {
    const auto linee = lineeRilievo(tastiera.scalata());
    for (std::size_t i = 0; i < linee.size(); ++i) {
        const LineaRilievo& l = linee[i];
        if (!zona.intersects(QRect(l.x1, l.y, l.x2 - l.x1, 1)))
            continue;
        p.fillRect(QRect(l.x1, l.y, l.x2 - l.x1, 1), qColore(tastiera.coloriRilievo()[i]));
    }
}

void dipingiSegni(QPainter& p, const Tastiera& tastiera, const FontTastiera& font,
                  const QRegion& zona) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (tastiera.ditaVisibili()) {
        for (int i = 0; i < 10; ++i) {
            const QRect r =
                rettangoloImmagine(tastiera.posizioniDita()[static_cast<std::size_t>(i)]);
            if (zona.intersects(r))
                dipingiPronto(p, font, r, i, [&](QPainter& q, const QRect& area) {
                    dipingiDito(q, area, i, font.dita);
                });
        }
    }
    for (const Cornice& c : tastiera.cornici()) {
        const QRect r = rettangoloCornice(c);
        if (!c.esiste || !c.visibile || !zona.intersects(r))
            continue;
        dipingiPronto(p, font, r, immagine::kCornice, dipingiCornice);
    }
    const QRect errore = rettangoloImmagine(tastiera.posizioneErrore());
    if (tastiera.erroreVisibile() && zona.intersects(errore))
        dipingiErrore(p, errore);
    p.restore();
}

} // namespace scrivolta::ui
