#pragma once
// The evaluation window: asks for the sensor type, the equation of the
// characteristic and, for the resistive sensors, alpha; scores each answer,
// plots both curves and prints the report.

#include "model/state.h"

#include <QWidget>

namespace evaluation {

class Formantwort : public QWidget {
    Q_OBJECT
public:
    // `state` is the experiment's; the window writes only punkte and eingabeformel.
    explicit Formantwort(model::ExperimentState& state, QWidget* parent = nullptr);

signals:
    // Raised by Form_Unload after the closing message, before the window goes.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void Form_Unload();

    model::ExperimentState& state_;
};

} // namespace evaluation
