// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/fileatomico.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace scrivolta::fileatomico {

namespace {

// Closes a descriptor on every way out of a function.
class Descrittore {
public:
    explicit Descrittore(int fd) : fd_(fd) {}
    ~Descrittore() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;
    int get() const { return fd_; }
    // Closes now and tells whether the data reached the file system.
    bool chiudi() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool leggiTutto(int fd, std::string& out) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (out.size() + static_cast<std::size_t>(n) > kDimensioneMassima)
            return false;
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

bool scriviTutto(int fd, std::string_view dati) {
    while (!dati.empty()) {
        const ssize_t n = ::write(fd, dati.data(), dati.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        dati.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a path names, through any symbolic link, so that a linked
// settings file is updated where it lives instead of being replaced by a copy.
std::string destinazione(const std::string& percorso) {
    struct stat st {};
    if (::lstat(percorso.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return percorso;
    char risolto[PATH_MAX];
    if (::realpath(percorso.c_str(), risolto) == nullptr)
        return percorso;
    return risolto;
}

std::string nomeTemporaneo(const std::filesystem::path& file) {
    return (file.parent_path() /
            ("." + file.filename().string() + "." + std::to_string(::getpid()) + ".tmp"))
        .string();
}

// A new file for writing. A leftover of the same name can only come from a
// dead process that had our process id: it is removed and the open retried.
int creaTemporaneo(const std::string& temp) {
    for (int tentativo = 0; tentativo < 2; ++tentativo) {
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
        ::unlink(temp.c_str());
    }
    return -1;
}

bool scriviTemporaneo(const std::string& temp, const std::string& finale, std::string_view dati) {
    Descrittore fd(creaTemporaneo(temp));
    if (fd.get() < 0)
        return false;
    struct stat vecchio {};
    if (::lstat(finale.c_str(), &vecchio) == 0 && S_ISREG(vecchio.st_mode))
        ::fchmod(fd.get(), vecchio.st_mode & 07777);
    return scriviTutto(fd.get(), dati) && ::fsync(fd.get()) == 0 && fd.chiudi();
}

// A file its owner or a teacher made read-only stays as it is. The write
// bits are looked at as well as access(): the administrator may write
// anywhere, yet a protected file is protected for them too.
bool protetto(const std::string& finale) {
    struct stat st {};
    if (::lstat(finale.c_str(), &st) != 0 || S_ISLNK(st.st_mode))
        return false;
    return (st.st_mode & 0222) == 0 || ::access(finale.c_str(), W_OK) != 0;
}

// The process id in a temporary name ".<file>.<pid>.tmp", or 0.
pid_t pidTemporaneo(const std::string& nome) {
    constexpr std::string_view kFine = ".tmp";
    if (nome.size() < 7 || nome.front() != '.' || !nome.ends_with(kFine))
        return 0;
    const std::string corpo = nome.substr(0, nome.size() - kFine.size());
    const auto punto = corpo.rfind('.');
    if (punto == 0 || punto == std::string::npos || punto + 1 == corpo.size())
        return 0;
    const std::string cifre = corpo.substr(punto + 1);
    if (cifre.size() > 9 || cifre.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return static_cast<pid_t>(std::stol(cifre));
}

bool processoVivo(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// Temporary files of writers that were killed between writing and renaming
// would otherwise stay in the folder for ever.
void rimuoviTemporaneiOrfani(const std::filesystem::path& cartella) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(cartella, ec), fine; !ec && it != fine;
         it.increment(ec)) {
        const pid_t pid = pidTemporaneo(it->path().filename().string());
        std::error_code ecFile;
        if (pid > 0 && pid != ::getpid() && !processoVivo(pid) && it->is_regular_file(ecFile))
            ::unlink(it->path().c_str());
    }
}

void sincronizzaCartella(const std::filesystem::path& cartella) {
    Descrittore fd(::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

} // namespace

Lettura leggi(const std::string& percorso) {
    Lettura risultato;
    // Without O_NONBLOCK a pipe at the path would hold the program in open()
    // until some writer came; it is refused below like any other non-file.
    Descrittore fd(::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        const bool manca = errno == ENOENT || errno == ENOTDIR;
        risultato.stato = manca ? Lettura::Stato::Mancante : Lettura::Stato::Illeggibile;
        return risultato;
    }
    struct stat st {};
    const bool file = ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode);
    if (!file || !leggiTutto(fd.get(), risultato.contenuto)) {
        risultato.contenuto.clear();
        risultato.stato = Lettura::Stato::Illeggibile;
        return risultato;
    }
    risultato.stato = Lettura::Stato::Letto;
    return risultato;
}

bool esisteFile(const std::string& percorso) {
    struct stat st {};
    return ::stat(percorso.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool sostituisci(const std::string& percorso, std::string_view contenuto,
                 Collegamenti collegamenti) {
    if (percorso.empty())
        return false;
    std::error_code ec;
    const std::string scelto =
        collegamenti == Collegamenti::Segui ? destinazione(percorso) : percorso;
    const std::filesystem::path finale = std::filesystem::absolute(scelto, ec);
    if (ec)
        return false;
    if (protetto(finale.string()))
        return false;
    std::filesystem::create_directories(finale.parent_path(), ec);
    rimuoviTemporaneiOrfani(finale.parent_path());
    const std::string temp = nomeTemporaneo(finale);
    if (!scriviTemporaneo(temp, finale.string(), contenuto) ||
        ::rename(temp.c_str(), finale.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    sincronizzaCartella(finale.parent_path());
    return true;
}

} // namespace scrivolta::fileatomico
