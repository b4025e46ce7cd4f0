#pragma once
// The grades section's own texts on the teacher's page, by name: the page
// words them from the catalogue in this context, and lupdate finds them
// here, beside the texts of the overview they frame.

#include "model/form.h"

namespace grading {

inline constexpr const char* gradesContext = "lehrer::Noten";

struct PageText {
    const char* name;
    const char* key;
};

inline constexpr PageText gradesTexts[] = {
    {"heading", QT_TRANSLATE_NOOP("lehrer::Noten", "Noten")},
    {"intro", QT_TRANSLATE_NOOP("lehrer::Noten", "Die Datensätze der Studierenden hierher ziehen oder wählen: einzelne .json-Dateien, einen Ordner oder die ZIP-Datei „Alle Abgaben herunterladen“ aus Moodle.")},
    {"files", QT_TRANSLATE_NOOP("lehrer::Noten", "Datensätze (.json) oder ZIP-Datei")},
    {"folder", QT_TRANSLATE_NOOP("lehrer::Noten", "Ordner mit Datensätzen")},
    {"teacher", QT_TRANSLATE_NOOP("lehrer::Noten", "cmmup.dlx des Kurses (wahlweise, prüft die Varianten)")},
    {"counting", QT_TRANSLATE_NOOP("lehrer::Noten", "Gewertet wird")},
    {"erster", QT_TRANSLATE_NOOP("lehrer::Noten", "der erste ausgewertete Versuch")},
    {"bester", QT_TRANSLATE_NOOP("lehrer::Noten", "der beste Versuch")},
    {"letzter", QT_TRANSLATE_NOOP("lehrer::Noten", "der letzte Versuch")},
    {"csv", QT_TRANSLATE_NOOP("lehrer::Noten", "Notendatei (CSV) speichern")},
    {"html", QT_TRANSLATE_NOOP("lehrer::Noten", "Übersicht (HTML) speichern")},
    {"refused", QT_TRANSLATE_NOOP("lehrer::Noten", "Die ZIP-Datei %1 wird nicht gelesen: %2.")},
    {"graded", QT_TRANSLATE_NOOP("lehrer::Noten", "%1 Datensätze gelesen, %2 Studierende.")},
    {"notChecked", QT_TRANSLATE_NOOP("lehrer::Noten", "Die Varianten sind nicht geprüft; das tut die cmmup.dlx des Kurses, hier dazugelegt.")},
    {"unreadable", QT_TRANSLATE_NOOP("lehrer::Noten", "Nicht lesbare Dateien")},
    {"table", QT_TRANSLATE_NOOP("lehrer::Noten", "Klassenübersicht")},
    {"dateFormat", QT_TRANSLATE_NOOP("course", "dd.MM.yyyy HH:mm")},
};

} // namespace grading
