// The page's cost, in headless Chromium from file://: the time from the
// navigation to the task page (against an empty page), one thermostat tick
// with its reading drawn, and the file's size, plain and compressed.
//   node web/bench.mjs [build/web/kora.html]

import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { gzipSync } from "node:zlib";
import { launch, pagePath, pageUrl } from "./tests/browser.mjs";

const file = process.argv[2] || pagePath;
const runs = 5;
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const line = (label, value, unit, goal) =>
  console.log(`${label.padEnd(56)} ${value.toFixed(unit === "KB" ? 0 : 2).padStart(11)} ${unit.padEnd(4)} ${goal}`);

// Each load in a fresh context, so that nothing is cached between them.
async function load(browser, url, mark) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url);
  const ms = await page.evaluate(async (mark) => {
    if (!mark) return performance.getEntriesByType("navigation")[0].domContentLoadedEventEnd;
    while (!performance.getEntriesByName(mark).length) await new Promise((r) => setTimeout(r, 5));
    return performance.getEntriesByName(mark)[0].startTime;
  }, mark);
  return { context, page, ms };
}

const dir = mkdtempSync(join(tmpdir(), "kora-bench-"));
const browser = await launch();
try {
  const empty = join(dir, "leer.html");
  writeFileSync(empty, "<!DOCTYPE html><title>leer</title>");
  const emptyMs = [], pageMs = [], tickMs = [];
  for (let i = 0; i < runs; i++) {
    const a = await load(browser, pageUrl(empty), null);
    emptyMs.push(a.ms);
    await a.context.close();
    const b = await load(browser, pageUrl(file), "kora-task-page");
    pageMs.push(b.ms);
    // A tick as the clock runs it: the bench's tick, the view drawn, the messages.
    await b.page.keyboard.press("Space");
    tickMs.push(await b.page.evaluate(() => {
      const n = 2000;
      const t0 = performance.now();
      for (let k = 0; k < n; k++) window.kora.bench.ticks(1);
      return (performance.now() - t0) / n;
    }));
    await b.context.close();
  }
  const bytes = readFileSync(file);
  line("empty page from file://, navigation to DOMContentLoaded", median(emptyMs), "ms", "");
  line("kora.html from file://, navigation to the task page", median(pageMs), "ms", "(goal < 300 ms)");
  line("one thermostat tick on the page, reading drawn", median(tickMs), "ms", "(goal < 2 ms)");
  line("kora.html", bytes.length / 1024, "KB", "(goal < 1536 KB)");
  line("kora.html compressed (gzip -9)", gzipSync(bytes, { level: 9 }).length / 1024, "KB", "(goal < 600 KB)");
} finally {
  await browser.close();
  rmSync(dir, { recursive: true, force: true });
}
