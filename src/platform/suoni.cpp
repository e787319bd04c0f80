// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/suoni.h"

#include "app/dominio.h"
#include "platform/pulse.h"
#include "platform/wav.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <chrono>
#include <unistd.h>
#include <vector>

// Resources of a static library must be registered by hand, from outside
// any namespace.
static void registraRisorseSuoni() {
    Q_INIT_RESOURCE(suoni);
}

namespace scrivolta::platform {

namespace {

constexpr int kPrimoSuono = 101;
constexpr int kUltimoSuono = 112;
constexpr std::size_t kSuoni = kUltimoSuono - kPrimoSuono + 1;
// Held-down wrong keys repeat fast; beyond this many sounds at once more of
// them would only be noise.
constexpr int kMassimoInCorso = 16;
constexpr std::size_t kMassimoInAttesa = 4;
constexpr auto kIntervalloTentativi = std::chrono::seconds(10);
// A click must follow its key at once. Streams ask for a short buffer, so
// that the server starts them as soon as they are written; left to its
// defaults it lets a sound wait behind up to two seconds of buffer.
constexpr std::uint32_t kLatenzaMs = 30;
constexpr std::uint32_t kPredefinito = static_cast<std::uint32_t>(-1);

using Orologio = std::chrono::steady_clock;

struct Suono {
    SuonatorePulse::Motore* motore = nullptr;
    QByteArray immagine;
    std::optional<Wav> wav;
    pa_sample_spec formato{};
    pa_buffer_attr buffer{};
};

} // namespace

// What lives on the sound server's side. Everything but `api` and `suoni` is
// shared with the library's thread and touched only under its lock.
struct SuonatorePulse::Motore {
    explicit Motore(const pulse::Api& a) : api(a) {}
    ~Motore();
    Motore(const Motore&) = delete;
    Motore& operator=(const Motore&) = delete;

    pulse::Api api;
    std::array<Suono, kSuoni> suoni{};
    pa_threaded_mainloop* ciclo = nullptr;
    pa_context* contesto = nullptr;
    Stato stato = Stato::Fermo;
    std::vector<int> inAttesa;
    int inCorso = 0;
    int riprodotti = 0;
    Orologio::time_point ultimoTentativo{};
};

namespace {

using Motore = SuonatorePulse::Motore;

class Blocco {
public:
    explicit Blocco(Motore& m) : m_(m) { m_.api.mainloop_lock(m_.ciclo); }
    ~Blocco() { m_.api.mainloop_unlock(m_.ciclo); }
    Blocco(const Blocco&) = delete;
    Blocco& operator=(const Blocco&) = delete;

private:
    Motore& m_;
};

pa_buffer_attr bufferDi(const Wav& wav) {
    const auto byteAlSecondo =
        static_cast<std::uint32_t>(wav.frequenza * wav.canali * wav.bitPerCampione / 8);
    pa_buffer_attr b{};
    b.maxlength = kPredefinito;
    b.tlength = byteAlSecondo * kLatenzaMs / 1000;
    b.prebuf = kPredefinito;
    b.minreq = kPredefinito;
    b.fragsize = kPredefinito;
    return b;
}

pa_sample_spec formatoDi(const Wav& wav) {
    pa_sample_spec f{};
    f.format = wav.bitPerCampione == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    f.rate = static_cast<std::uint32_t>(wav.frequenza);
    f.channels = static_cast<std::uint8_t>(wav.canali);
    return f;
}

void caricaSuoni(Motore& m) {
    for (std::size_t i = 0; i < kSuoni; ++i) {
        Suono& s = m.suoni[i];
        s.motore = &m;
        s.immagine = immagineSuono(kPrimoSuono + static_cast<int>(i));
        s.wav = leggiWav(
            std::string_view(s.immagine.constData(), static_cast<std::size_t>(s.immagine.size())));
        if (!s.wav)
            continue;
        s.formato = formatoDi(*s.wav);
        s.buffer = bufferDi(*s.wav);
    }
}

void flussoFinito(pa_stream* flusso, int riuscito, void* dati) {
    auto& m = *static_cast<Motore*>(dati);
    if (riuscito != 0)
        ++m.riprodotti;
    m.api.stream_disconnect(flusso);
}

// Runs on the library's thread. The stream holds the only reference the
// player took; it is given back once the stream has ended either way.
void statoFlusso(pa_stream* flusso, void* dati) {
    const auto& s = *static_cast<const Suono*>(dati);
    Motore& m = *s.motore;
    switch (m.api.stream_get_state(flusso)) {
    case PA_STREAM_READY:
        m.api.stream_write(flusso, s.wav->campioni.data(), s.wav->campioni.size(), nullptr, 0,
                           PA_SEEK_RELATIVE);
        if (pa_operation* op = m.api.stream_drain(flusso, flussoFinito, &m))
            m.api.operation_unref(op);
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        m.api.stream_set_state_callback(flusso, nullptr, nullptr);
        m.api.stream_unref(flusso);
        --m.inCorso;
        break;
    default:
        break;
    }
}

void avviaFlusso(Motore& m, int id) {
    Suono& s = m.suoni[static_cast<std::size_t>(id - kPrimoSuono)];
    if (!s.wav || m.inCorso >= kMassimoInCorso)
        return;
    pa_stream* flusso = m.api.stream_new(m.contesto, kNomeProgramma, &s.formato, nullptr);
    if (flusso == nullptr)
        return;
    ++m.inCorso;
    m.api.stream_set_state_callback(flusso, statoFlusso, &s);
    if (m.api.stream_connect_playback(flusso, nullptr, &s.buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                      nullptr) < 0) {
        m.api.stream_set_state_callback(flusso, nullptr, nullptr);
        m.api.stream_unref(flusso);
        --m.inCorso;
    }
}

void statoContesto(pa_context* contesto, void* dati) {
    auto& m = *static_cast<Motore*>(dati);
    switch (m.api.context_get_state(contesto)) {
    case PA_CONTEXT_READY:
        m.stato = SuonatorePulse::Stato::Pronto;
        for (const int id : m.inAttesa)
            avviaFlusso(m, id);
        m.inAttesa.clear();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        m.stato = SuonatorePulse::Stato::Assente;
        m.inAttesa.clear();
        break;
    default:
        break;
    }
}

void chiudiContesto(Motore& m) {
    if (m.contesto == nullptr)
        return;
    m.api.context_set_state_callback(m.contesto, nullptr, nullptr);
    // Ends every stream still playing; their callbacks release them.
    m.api.context_disconnect(m.contesto);
    m.api.context_unref(m.contesto);
    m.contesto = nullptr;
}

void connetti(Motore& m) {
    chiudiContesto(m);
    m.ultimoTentativo = Orologio::now();
    m.stato = SuonatorePulse::Stato::Assente;
    m.contesto = m.api.context_new(m.api.mainloop_get_api(m.ciclo), kNomeProgramma);
    if (m.contesto == nullptr)
        return;
    m.stato = SuonatorePulse::Stato::InConnessione;
    m.api.context_set_state_callback(m.contesto, statoContesto, &m);
    // No autospawn: a desktop without a sound server must stay without one.
    if (m.api.context_connect(m.contesto, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        m.stato = SuonatorePulse::Stato::Assente;
}

} // namespace

SuonatorePulse::Motore::~Motore() {
    if (ciclo == nullptr)
        return;
    {
        Blocco b(*this);
        chiudiContesto(*this);
    }
    api.mainloop_stop(ciclo);
    api.mainloop_free(ciclo);
}

QByteArray immagineSuono(int id) {
    if (id < kPrimoSuono || id > kUltimoSuono)
        return {};
    static const bool registrate = (registraRisorseSuoni(), true);
    Q_UNUSED(registrate);
    QFile file(QStringLiteral(":/suoni/%1.wav").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SuonatorePulse::SuonatorePulse() = default;

SuonatorePulse::~SuonatorePulse() = default;

bool serverAudioPresente() {
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")
                                ? QStringLiteral("/run/user/%1").arg(::getuid())
                                : qEnvironmentVariable("XDG_RUNTIME_DIR");
    return QFileInfo::exists(runtime + QStringLiteral("/pulse/native"));
}

bool SuonatorePulse::avvia() {
    if (senzaLibreria_)
        return false;
    // Without a server the library would only take memory: look again
    // later, as one may start.
    const auto adesso = Orologio::now();
    if (cercato_ && adesso - ultimaRicerca_ < kIntervalloTentativi)
        return false;
    cercato_ = true;
    ultimaRicerca_ = adesso;
    if (!serverAudioPresente())
        return false;
    const auto api = pulse::carica();
    auto m = api ? std::make_unique<Motore>(*api) : nullptr;
    if (m)
        m->ciclo = api->mainloop_new();
    if (!m || m->ciclo == nullptr || api->mainloop_start(m->ciclo) < 0) {
        senzaLibreria_ = true;
        return false;
    }
    caricaSuoni(*m);
    {
        Blocco b(*m);
        connetti(*m);
    }
    motore_ = std::move(m);
    return true;
}

void SuonatorePulse::prepara() {
    if (!motore_)
        avvia();
}

void SuonatorePulse::suona(int id) {
    if (id < kPrimoSuono || id > kUltimoSuono || (!motore_ && !avvia()))
        return;
    Motore& m = *motore_;
    Blocco b(m);
    if (m.stato == Stato::Assente && Orologio::now() - m.ultimoTentativo >= kIntervalloTentativi)
        connetti(m);
    if (m.stato == Stato::Pronto)
        avviaFlusso(m, id);
    else if (m.stato == Stato::InConnessione && m.inAttesa.size() < kMassimoInAttesa)
        m.inAttesa.push_back(id);
}

SuonatorePulse::Stato SuonatorePulse::stato() const {
    if (!motore_)
        return senzaLibreria_ || cercato_ ? Stato::Assente : Stato::Fermo;
    Blocco b(*motore_);
    return motore_->stato;
}

int SuonatorePulse::riprodotti() const {
    if (!motore_)
        return 0;
    Blocco b(*motore_);
    return motore_->riprodotti;
}

} // namespace scrivolta::platform
