// The journal's two charts, drawn with uPlot (inlined into the page by the
// build) from the series and axes the lab computes: the characteristic of
// the measured points, one series per sensor, and the course of the sensor
// temperature, the set point and the reading over the last ten minutes.

import { tr } from "./words.js";

// The characteristic's sensors in the order of their numbers.
const palette = ["#209030", "#d07000", "#2060c0", "#a02090", "#008080", "#806000", "#c02020", "#404040"];
const courseColours = { sensor: "rgb(200, 30, 30)", setPoint: "rgb(90, 90, 90)", reading: "rgb(20, 80, 200)" };

// Ticks at the lab's round steps, from the low end.
const splitsOf = (range) => () => {
  const out = [];
  for (let v = range.low; v <= range.high + range.step * 1e-6; v += range.step) out.push(Number(v.toPrecision(12)));
  return out;
};
const decimals = (step) => (step >= 1 ? 0 : Math.ceil(-Math.log10(step) - 1e-9));
// Numbers with the page's decimal separator, as the bench writes them.
const labels = (range) => (u, values) => values.map((v) =>
  v.toFixed(decimals(range.step)).replace(".", document.documentElement.lang === "de" ? "," : "."));

// uPlot's aligned data from series of points with x values of their own:
// one column per x, a series without a point there empty (null) at it.
function aligned(series) {
  const columns = new Map();
  series.forEach((s, i) => s.x.forEach((x, k) => {
    if (!columns.has(x)) columns.set(x, new Array(series.length).fill(null));
    columns.get(x)[i] = s.y[k];
  }));
  const xs = [...columns.keys()].sort((a, b) => a - b);
  return [xs, ...series.map((s, i) => xs.map((x) => columns.get(x)[i]))];
}

// Points that may share an x (two readings at one temperature): one column
// per point, the other series empty there; drawn as points only.
function scattered(series) {
  const all = [];
  series.forEach((s, i) => s.x.forEach((x, k) => all.push([x, i, s.y[k]])));
  all.sort((a, b) => a[0] - b[0]);
  const data = [all.map((p) => p[0]), ...series.map(() => new Array(all.length).fill(null))];
  all.forEach(([, i, y], k) => { data[i + 1][k] = y; });
  return data;
}

function scaleOf(range) {
  return { time: false, auto: false, range: () => [range.low, range.high] };
}

function axis(label, range, extra = {}) {
  return { label, splits: splitsOf(range), values: labels(range), ...extra };
}

export function characteristicChart(target, chart, context, size) {
  const title = tr(context, "Kennlinie");
  const opts = {
    ...size, title,
    scales: { x: scaleOf(chart.t), y: scaleOf(chart.v) },
    axes: [axis(tr(context, "ϑ Sensor /°C"), chart.t), axis("U /V", chart.v)],
    series: [{}, ...chart.series.map((s, i) => ({
      label: `Sensor ${s.sensor}`, stroke: palette[i % palette.length], fill: palette[i % palette.length],
      paths: () => null, points: { show: true, size: 7 },
    }))],
    cursor: { show: false }, legend: { show: chart.series.length > 0, live: false },
  };
  return draw(target, opts, scattered(chart.series), title);
}

export function courseChart(target, course, context, size) {
  const title = tr(context, "Zeitverlauf");
  const line = (key, label, scale, dash) => ({ label, scale, stroke: courseColours[key], width: 1.5, dash, points: { show: false } });
  const opts = {
    ...size, title,
    scales: { x: scaleOf(course.time), c: scaleOf(course.celsius), v: scaleOf(course.volts) },
    axes: [axis("t /min", course.time), axis("ϑ /°C", course.celsius, { scale: "c" }),
      axis("U /V", course.volts, { scale: "v", side: 1, grid: { show: false } })],
    series: [{}, line("sensor", tr(context, "ϑ Sensor"), "c"), line("setPoint", tr(context, "ϑ Thermostat"), "c", [6, 4]),
      line("reading", tr(context, "Anzeige"), "v")],
    cursor: { show: false }, legend: { live: false },
  };
  return draw(target, opts, aligned([course.sensor, course.setPoint, course.reading]), title);
}

function draw(target, opts, data, title) {
  target.replaceChildren();
  target.setAttribute("role", "img");
  target.setAttribute("aria-label", title);
  return new uPlot(opts, data, target);
}

// The window's charts: drawn while it is shown, the course at most once a
// second (a tick every 200 ms adds a point to the same second's).
export class JournalCharts {
  constructor(context, elements) {
    this.context = context;
    this.elements = elements;
    this.lastCourse = 0;
  }

  size(el) {
    const width = Math.max(260, el.clientWidth || 400);
    return { width, height: Math.max(200, Math.round(width * 0.62)) };
  }

  shown(journal) {
    this.drawCharacteristic(journal);
    this.drawCourse(journal);
  }

  drawCharacteristic(journal) {
    const { characteristic } = this.elements;
    if (characteristic.closest("[hidden]")) return;
    characteristicChart(characteristic, journal.characteristic(), this.context, this.size(characteristic));
  }

  drawCourse(journal) {
    const { course } = this.elements;
    this.lastCourse = performance.now();
    courseChart(course, journal.timeCourse(), this.context, this.size(course));
  }

  rowsChanged(journal) {
    this.drawCharacteristic(journal);
    // The printed page: the characteristic at a paper's proportions.
    characteristicChart(this.elements.printChart, journal.characteristic(), this.context, { width: 640, height: 320 });
  }

  courseChanged(journal) {
    if (performance.now() - this.lastCourse >= 1000) this.drawCourse(journal);
  }
}
