// A message box as the desktop shows it: the text and its buttons (OK, or
// a question's two answers) in an alert dialog, which takes the focus and
// gives it back when closed; onClose learns which button closed it.


let count = 0;

export function showMessage(text, onClose = () => {}, buttons = ["OK"]) {
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
  box.append(title, p);
  const answers = buttons.map((caption, index) => {
    const b = document.createElement("button");
    b.type = "button";
    b.textContent = caption;
    b.addEventListener("click", () => {
      box.remove();
      if (back && back.isConnected) back.focus();
      onClose(index);
    });
    box.append(b);
    return b;
  });
  document.body.append(box);
  answers[0].focus();
  return box;
}
