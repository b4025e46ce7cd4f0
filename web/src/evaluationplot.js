// The evaluation's plot as inline SVG: the grid picture, the scale labels
// and both curves of each comparison, in the surface's own coordinates
// (8835 x 5415 twips; horizontally °C from the design's left edge, vertically
// 0 at the bottom to the scale's top). As on the desktop the surface is
// never cleared: a run after a failed one draws over it, and its labels
// take the colour the last point left.

import { tr } from "./words.js";

const svgNs = "http://www.w3.org/2000/svg";
const surfaceWidth = 8835;
const surfaceHeight = 5415;
const plotDot = 15; // one logical pixel
const plotPalette = { 0: "#000000", 11: "#00ffff", 12: "#ff0000" };

function svgElement(name, attributes = {}) {
  const el = document.createElementNS(svgNs, name);
  for (const [k, v] of Object.entries(attributes)) el.setAttribute(k, v);
  return el;
}

export class EvaluationPlot {
  constructor(row, design, images) {
    this.design = design;
    this.plot = design.plot;
    this.top = 1;
    this.colour = 0;
    this.axes = "";
    this.svg = svgElement("svg", { viewBox: `0 0 ${surfaceWidth} ${surfaceHeight}`, role: "img",
      preserveAspectRatio: "none" });
    this.svg.setAttribute("aria-label", tr(design.context, row.accessibleName));
    this.svg.append(svgElement("rect", { width: surfaceWidth, height: surfaceHeight, fill: "#ffffff" }));
    const grid = svgElement("image", { width: surfaceWidth, height: surfaceHeight });
    grid.setAttribute("href", images[":/plotgrid.svg"] || "");
    this.svg.append(grid);
    this.describe("");
  }

  x(celsius) {
    return (Math.fround(celsius) - this.plot.left) / this.plot.width * surfaceWidth;
  }

  y(value) {
    return (this.top - Math.fround(value)) / this.top * surfaceHeight;
  }

  // The lab's last comparison: the scale (when it got that far) and every
  // sample's two points; the plot's text alternative follows.
  draw(comparison, deviationText) {
    if (comparison.scaleTop !== null) {
      this.top = comparison.scaleTop;
      this.axes = tr(this.design.context, this.plot.axes).replace("%1", comparison.scaleTopText);
      for (const label of comparison.labels) {
        const text = svgElement("text", { x: this.x(label.x), y: this.y(label.height), fill: plotPalette[this.colour],
          "font-size": 165, "dominant-baseline": "hanging", "font-family": "Liberation Sans, Arial, sans-serif" });
        text.textContent = label.text;
        this.svg.append(text);
      }
    }
    const paths = { [this.plot.truthColour]: [], [this.plot.answerColour]: [] };
    const point = (colour, celsius, value) => {
      const x = this.x(celsius);
      const y = this.y(value);
      if (Number.isFinite(x) && Number.isFinite(y) && x > -plotDot && y > -plotDot && x < surfaceWidth + plotDot && y < surfaceHeight + plotDot)
        paths[colour].push(`M${x.toFixed(1)} ${y.toFixed(1)}h${plotDot}v${plotDot}h-${plotDot}z`);
    };
    for (const s of comparison.samples) {
      point(this.plot.truthColour, s.celsius, s.truth);
      this.colour = this.plot.truthColour;
      if (s.hasAnswer) {
        this.colour = this.plot.answerColour;
        if (s.answer !== null) point(this.plot.answerColour, s.celsius, s.answer);
      }
    }
    // The student's points over the true ones, as each sample drew them.
    for (const colour of [this.plot.truthColour, this.plot.answerColour])
      if (paths[colour].length) this.svg.append(svgElement("path", { d: paths[colour].join(""), fill: plotPalette[colour] }));
    this.describe(comparison.failure === null ? deviationText : "");
  }

  describe(deviationText) {
    this.svg.setAttribute("aria-description", tr(this.design.context, this.plot.colours) + this.axes + deviationText);
  }
}
