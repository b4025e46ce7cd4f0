// Debian's Chromium, headless, driven by playwright-core: the page opened as
// a student opens it, with every request that is not the page itself (or,
// over http, the teacher's file beside it) noted as a fault.

import { chromium } from "playwright-core";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

export const root = resolve(dirname(fileURLToPath(import.meta.url)), "../..");
export const pagePath = process.env.KORA_PAGE || join(root, "build/web/kora.html");
export const pageUrl = (path = pagePath) => pathToFileURL(path).href;

export async function launch() {
  return chromium.launch({
    executablePath: process.env.KORA_CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: process.getuid && process.getuid() === 0 ? ["--no-sandbox"] : [],
  });
}

// A fresh page that records each request other than the allowed addresses
// and each error the page throws or logs. With `held`, the page's clock
// stands still: the thermostat ticks only when a test lets the time run, so
// that every reading is known. `device` may give another viewport and touch.
// A blob: address is the page's own data (a download it makes), no request.
// `ready`: the state the page has reached when it waits for the person
// ("signin" while a course's sign-in asks).
export async function open(browser, url, { allowed = [url], held = false, device = {}, ready = "true" } = {}) {
  const page = await browser.newPage({ viewport: { width: 1100, height: 800 }, acceptDownloads: true, ...device });
  if (held) {
    const start = new Date("2026-03-02T08:00:00Z");
    await page.clock.install({ time: start });
    await page.clock.pauseAt(new Date(start.getTime() + 1000));
  }
  const faults = [];
  page.on("request", (r) => {
    if (!/^(data|blob):/.test(r.url()) && !allowed.includes(r.url().split("?")[0])) faults.push(`request ${r.url()}`);
  });
  page.on("pageerror", (e) => faults.push(`error ${e.message}`));
  page.on("console", (m) => m.type() === "error" && faults.push(`console ${m.text()}`));
  await page.goto(url);
  await page.waitForSelector(`body[data-ready=${ready}]`, { state: "attached", timeout: 10000 }).catch((e) => {
    throw new Error(`${e.message}\n${faults.join("\n")}`);
  });
  return { page, faults };
}

// The texts the controls show, by id.
export const texts = (page, ids) =>
  page.evaluate((ids) => Object.fromEntries(ids.map((id) => [id, document.getElementById(id).textContent])), ids);

