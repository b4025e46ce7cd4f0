// The thermostat's clock: one tick per 200 ms of the page's own time. A tab
// in the background gets its timers slowed down; the clock then hands over
// the whole ticks that have passed since, so the model neither races nor
// loses time.

export const period = 200;

export function startClock(onTicks, now = () => performance.now()) {
  const start = now();
  let done = 0;
  const timer = setInterval(() => {
    const due = Math.floor((now() - start) / period);
    if (due > done) {
      const count = due - done;
      done = due;
      onTicks(count);
    }
  }, period);
  return () => clearInterval(timer);
}
