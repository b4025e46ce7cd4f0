#pragma once
// The evaluation for a page: lab::Evaluation on the page's bench's
// experiment, as the desktop's evaluation window works on its bench's. The
// student's actions go in; the view, the boxes, the focus, the comparison
// for the plot and the report's facts come out. Other parts of the binding
// read the answers (the result record) by evaluation().

#include "bench.h"
#include "lab/evaluation.h"
#include "model/state.h"

#include <emscripten/val.h>

#include <array>
#include <memory>
#include <string>

class PageEvaluation {
public:
    // The types named as the teacher's file names them.
    explicit PageEvaluation(PageBench& bench);
    // `names`: {shown: [7 texts], withArticle: [7 texts]}, the seven types
    // worded in the page's language ("NTC-Widerstand", "einen NTC-Widerstand").
    PageEvaluation(PageBench& bench, emscripten::val names);
    // An experiment of its own at the start values with the given hidden
    // type, in an exam or not: the tables' start, as the native tests make it.
    PageEvaluation(const std::string& separator, int sensor, bool exam);

    const lab::Evaluation& evaluation() const { return *evaluation_; }

    // The student's actions, by the handlers' names.
    void Form_Load() { evaluation_->Form_Load(); }
    void Listsensoren_Click(int row) { evaluation_->Listsensoren_Click(row); }
    void Command1_Click() { evaluation_->Command1_Click(); }
    int Textformel_KeyPress(int keyAscii, const std::string& boxText)
    {
        return evaluation_->Textformel_KeyPress(keyAscii, boxText);
    }
    void setText(const std::string& boxText) { evaluation_->setText(boxText); }
    // {text: forms, yes, no}, or null: nothing to ask.
    emscripten::val closeQuestion();
    void reportKept() { evaluation_->reportKept(); }
    // The closing box.
    emscripten::val Form_Unload() const;

    // {controls: {name: {text, words, value, enabled, visible, colour, tip, lines}}, schritt, finished, exam}
    emscripten::val view() const;
    // [{besidePlot, text: forms, reason: forms, view}] raised since the last call.
    emscripten::val boxes();
    std::string focus() { return evaluation_->takeFocus(); }
    // The last comparison: {scaleTop, scaleTopText, labels: [{x, height, text}], samples: [{celsius, truth,
    // answer, hasAnswer}], failure, deviation, points}; null before.
    emscripten::val comparison() const;
    std::string unit() const { return evaluation_->unit(); }
    emscripten::val report() const;
    // The report page's items: {items: [{x, y, points, bold, text: forms, maxWidth}], who: forms, title: form, plot: {x, y,
    // width, height}}, in cm; the date and who handed it in as the page knows them.
    emscripten::val reportPage(const std::string& date, const std::string& name, const std::string& matrikel) const;
    emscripten::val answers() const;

private:
    lab::Evaluation::Names names(emscripten::val words);

    std::unique_ptr<model::ExperimentState> own_; // the tables' experiment; none on a bench's
    std::array<std::string, model::sensorTypes> shown_, withArticle_;
    std::unique_ptr<lab::Evaluation> evaluation_;
};
