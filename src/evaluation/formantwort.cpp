#include "evaluation/formantwort.h"

#include "ui/layout.h"
#include "ui/services.h"

#include <QCloseEvent>

namespace evaluation {

Formantwort::Formantwort(model::ExperimentState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName(QStringLiteral("Formantwort"));
    setWindowTitle(QStringLiteral("KORA - Temperatursensoren als Zweipol - Auswertung"));
    setFixedSize(ui::px(11790), ui::px(8820));
    Form_Load();
}

void Formantwort::Form_Load() { state_.punkte = 0; }

void Formantwort::Form_Unload()
{
    ui::services().message(this, QStringLiteral(" Sie haben in diesem virtuellen Experiment ") +
                                     QString::number(state_.punkte) + QStringLiteral(" von 8 Punkten erreicht"));
    emit unloaded();
}

void Formantwort::closeEvent(QCloseEvent* e)
{
    Form_Unload();
    e->accept();
}

} // namespace evaluation
