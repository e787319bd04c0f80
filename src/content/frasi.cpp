// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/frasi.h"

#include <array>

namespace scrivolta {

namespace {

// Windows-1252. Level 1: lower case without punctuation; level 2: capitals,
// accents and punctuation; level 3: two lines with digits and symbols.
// clang-format off
constexpr std::array<std::string_view, kNumeroFrasiInterne> kFrasi = {
    // Level 1.
    "demain je ne peux pas sortir car je suis malade",
    "le p\xE8re de ma copine est m\xE9" "canicien",
    "le gazon de notre jardin exige beaucoup de soin",
    "mon ami jardinier soigne le jardin avec beaucoup de plaisir",
    "les petits enfants aiment dormir avec la lumi\xE8re",
    "j'aime bien le chocolat noir suisse",
    "je vais volontiers chez ma tante avec le car",
    "pendant les vacances estivales je vais \xE0 la montagne chez mes copains",
    "chaque \xE9t\xE9 je vais volontiers \xE0 la mer",
    "pendant que je repasse je ne peux pas \xE9" "couter la radio",
    "ma chambre donne sur le jardin",
    "ma maison est tout au fond de la route",
    "le mois de d\xE9" "cembre il fait trop froid pour skier",
    "je ne peux plus oublier le cahier des devoirs chez moi",
    "mon institutrice habite tout pr\xE8s de ma cousine",
    // Level 2.
    "Julien joue au ballon dans la cour avec Thomas et Antoine.",
    "Maman est \xE0 la maison et pr\xE9pare le repas.",
    "D\xE8s que nous rentrons de l'\xE9" "cole, nous faisons tout de suite nos devoirs.",
    "J'\xE9" "coute le nouveau CD de Stromae, il chante vraiment bien.",
    "Les fleurs que je pr\xE9" "f\xE8re sont les marguerites et les tournesols.",
    "J'aime ranger ma chambre : je d\xE9teste le d\xE9sordre !",
    "Ma voisine Sophie aime beaucoup jouer au basket.",
    "Notre \xE9" "cole est situ\xE9" "e sur la route principale du village.",
    "Le samedi, je joue au football avec Lucas, Hugo et Nathan.",
    "Mon fr\xE8re Pierre joue du piano depuis des ann\xE9" "es.",
    "L'ann\xE9" "e prochaine, j'irai \xE0 l'\xE9" "cole avec mes amies L\xE9" "a et Manon.",
    "J'ai achet\xE9 un nouveau sac \xE0 dos, le mien \xE9tait cass\xE9.",
    "L'\xE9t\xE9 prochain j'irai en Angleterre pour perfectionner mon anglais.",
    "Mon p\xE8re travaille dans un bureau avec l'oncle de mon ami Louis.",
    "J'aime beaucoup les romans d'aventure.",
    // Level 3.
    "Les jours de la semaine sont 7: lundi , mardi, mercredi, jeudi, vendredi, samedi\r\ndimanche.",
    "L'adresse \xE9lectronique (e-mail) de mon cousin est:\r\nmarc.dupont@courriel.be",
    "Mon site pr\xE9" "f\xE9r\xE9, d\xE8s que je me connecte avec l'ordinateur, est: \r\nwww.parc-des-loisirs.be",
    "Voici une addition: 35 + 75 = 110. Voici une soustraction: 47 - 29 = 18.\r\nSimple, l'arithm\xE9tique, n'est ce pas?",
    "Rabais jusqu'au 46%: c'est l'offre annonc\xE9" "e par une maison\r\nsp\xE9" "cialis\xE9" "e en cam\xE9ras digitales.",
    "50% se lit cinquante pour cent et signifie: la moiti\xE9.\r\nTu le savais?",
    "L'ogre (comme tout le monde sait) est un \xEAtre d\xE9sagr\xE9" "able et m\xE9" "chant...\r\nHeureusement il n'existe que dans les contes!",
    "Le symbole de l\x92" "euro est \x80; le symbole du dollar est $;\r\nTu le savais?",
    "Je suis rest\xE9" "e 30 minutes dans la salle d'attente du dentiste, tandis que ma soeur\r\nn'y est rest\xE9" "e que 15 minutes.",
    "On t'a pas encore envoy\xE9 la lettre que tu attendais?\r\nIls devaient  le faire depuis une semaine!",
    "La vieille chanson Ne me quitte pas est de Jacques Brel.\r\nTu la connais?",
    "Le triangle a 3 c\xF4t\xE9s, le carr\xE9 en a 4, le pentagone en a 5\r\ntandis que l'hexagone, en a 6.",
    "Le printemps commence le 21 de mars, l'\xE9t\xE9 le 21 de juin, \r\nl'automne le 23 de septembre, et l'hiver le 21 de d\xE9" "cembre.",
    "Le symbole #, qu'on trouve aussi sur le clavier du t\xE9l\xE9phone,\r\nest nomm\xE9 croisillon, carr\xE9 ou di\xE8se.",
    "Le symbole @, des adresses du courrier \xE9lectronique (e-mail),\r\nest nomm\xE9 arobase.",
};
// clang-format on

} // namespace

std::string_view FraseInterna(int numero) {
    if (numero < 1 || numero > kNumeroFrasiInterne)
        return {};
    return kFrasi[static_cast<std::size_t>(numero - 1)];
}

} // namespace scrivolta
