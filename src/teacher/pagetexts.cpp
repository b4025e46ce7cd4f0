#include "teacher/pagetexts.h"

#include "model/form.h"

#include <algorithm>
#include <cctype>

namespace teacher {

const std::vector<PageText>& pageTexts()
{
    static const std::vector<PageText> texts = {
        {"title", QT_TRANSLATE_NOOP("lehrer::Formlehrer", "KORA - Seite für Lehrende")},
        {"intro", QT_TRANSLATE_NOOP("lehrer::Formlehrer",
                                    "Diese Seite prüft die Lehrerdatei cmmup.dlx, zeigt den Lösungsschlüssel, "
                                    "schreibt die Kursseite für die Studierenden und bewertet ihre Ergebnisse. "
                                    "Nichts verlässt diesen Rechner.")},
        {"check", QT_TRANSLATE_NOOP("lehrer::Formlehrer", "1. Lehrerdatei prüfen")},
        {"file", QT_TRANSLATE_NOOP("lehrer::Formlehrer", "Lehrerdatei (cmmup.dlx) wählen oder hierher ziehen")},
        {"nofile", QT_TRANSLATE_NOOP("lehrer::Formlehrer", "Noch keine Lehrerdatei gewählt.")},
        {"key", QT_TRANSLATE_NOOP("lehrer::Formlehrer", "2. Lösungsschlüssel")},
        {"matrikel", QT_TRANSLATE_NOOP("lehrer::Formlehrer",
                                       "Matrikelnummern (eine oder mehrere, durch Zeilen, Kommas oder Leerzeichen "
                                       "getrennt)")},
        {"csv", QT_TRANSLATE_NOOP("lehrer::Formlehrer", "oder aus einer CSV-Datei")},
        {"show", QT_TRANSLATE_NOOP("lehrer::Formlehrer", "Schlüssel zeigen")},
        {"print", QT_TRANSLATE_NOOP("lehrer::Formlehrer", "Drucken")},
        {"nonumber", QT_TRANSLATE_NOOP("lehrer::Formlehrer", "Keine Matrikelnummer gefunden.")},
        {"course", QT_TRANSLATE_NOOP("lehrer::Formlehrer", "3. Kursseite")},
        {"coursetext", QT_TRANSLATE_NOOP("lehrer::Formlehrer",
                                         "Die Laborseite mit der geprüften Lehrerdatei darin, zum Weitergeben an "
                                         "die Studierenden (zum Beispiel als Datei in Moodle).")},
        {"download", QT_TRANSLATE_NOOP("lehrer::Formlehrer", "kora-kurs.html herunterladen")},
        {"refused", QT_TRANSLATE_NOOP("lehrer::Formlehrer",
                                      "Die Lehrerdatei hat Fehler; die Kursseite wird erst nach der Korrektur "
                                      "geschrieben:")},
        {"written", QT_TRANSLATE_NOOP("lehrer::Formlehrer", "Die Kursseite kora-kurs.html ist zum Speichern bereit.")},
        {"grades", QT_TRANSLATE_NOOP("lehrer::Formlehrer", "4. Noten")},
        {"gradeslater", QT_TRANSLATE_NOOP("lehrer::Formlehrer",
                                          "Die Bewertung der Ergebnisse steht in dieser Fassung der Seite noch nicht "
                                          "zur Verfügung; kora --ergebnisse bewertet sie.")},
    };
    return texts;
}

std::vector<std::string> matrikelList(std::string_view text)
{
    std::vector<std::string> out;
    std::string word;
    auto take = [&] {
        const bool digit = std::any_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (digit && std::find(out.begin(), out.end(), word) == out.end())
            out.push_back(word);
        word.clear();
    };
    for (char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '-')
            word += c;
        else
            take();
    }
    take();
    return out;
}

} // namespace teacher
