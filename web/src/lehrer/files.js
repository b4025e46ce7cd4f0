// Files the teacher hands the page: chosen in a file field or dropped on a
// section, read as text; and a file the page offers as a download.

export function onDroppedOrChosen(section, input, take) {
  const read = async (file) => file && take({ name: file.name, text: await file.text() });
  input.addEventListener("change", () => read(input.files[0]));
  section.addEventListener("dragover", (e) => {
    e.preventDefault();
    section.classList.add("over");
  });
  section.addEventListener("dragleave", () => section.classList.remove("over"));
  section.addEventListener("drop", (e) => {
    e.preventDefault();
    section.classList.remove("over");
    read(e.dataTransfer.files[0]);
  });
}

export function offerDownload(name, text, type) {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([text], { type }));
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}
