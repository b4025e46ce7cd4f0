// A message box as the desktop shows it: the text and its OK button in an
// alert dialog, which takes the focus and gives it back when closed.


let count = 0;

export function showMessage(text, onClose = () => {}) {
  const back = document.activeElement;
  const id = `message-${++count}`;
  const box = document.createElement("div");
  box.className = "message";
  box.setAttribute("role", "alertdialog");
  box.setAttribute("aria-modal", "true");
  box.setAttribute("aria-labelledby", `${id}-title`);
  box.setAttribute("aria-describedby", `${id}-text`);
  const title = document.createElement("h2");
  title.id = `${id}-title`;
  title.textContent = document.title;
  const p = document.createElement("p");
  p.id = `${id}-text`;
  p.textContent = text;
  const ok = document.createElement("button");
  ok.type = "button";
  ok.textContent = "OK";
  ok.addEventListener("click", () => {
    box.remove();
    if (back && back.isConnected) back.focus();
    onClose();
  });
  box.append(title, p, ok);
  document.body.append(box);
  ok.focus();
  return box;
}
