// The page's glue: it runs the program and its lesson, compiled to WebAssembly and held in the
// page (gzip, base64), through the few WASI calls they make, and places what they print.
"use strict";

const modules = {};
for (const script of document.querySelectorAll('script[type="application/gzip"]')) {
  const bytes = Uint8Array.from(atob(script.textContent), (c) => c.charCodeAt(0));
  const unzipped = new Blob([bytes]).stream().pipeThrough(new DecompressionStream("gzip"));
  modules[script.dataset.module] = new Response(unzipped).arrayBuffer().then(WebAssembly.compile);
}

// How a run ends: proc_exit's status, or "stopped" when the page stops the sampler.
class Exit {
  constructor(status) {
    this.status = typeof status === "number" ? `exit status ${status}` : status;
  }
}

let clockOffset = 0; // milliseconds that the learner has stepped the sampler's clock by

// An instance of a module with the WASI calls it imports, for a run with the arguments `args`,
// each write to standard output or error going to `written(fd, bytes)`; `wrap` may change calls.
async function instantiate(module, args, written, wrap = (calls) => calls) {
  let memory;
  const view = () => new DataView(memory.buffer);
  const bytesAt = (at, length) => new Uint8Array(memory.buffer, at, length);
  const encoded = args.map((arg) => new TextEncoder().encode(arg + "\0"));
  const calls = wrap({
    args_sizes_get(count, size) {
      view().setUint32(count, encoded.length, true);
      view().setUint32(size, encoded.reduce((sum, arg) => sum + arg.length, 0), true);
      return 0;
    },
    args_get(argv, buffer) {
      for (const [i, arg] of encoded.entries()) {
        view().setUint32(argv + 4 * i, buffer, true);
        bytesAt(buffer, arg.length).set(arg);
        buffer += arg.length;
      }
      return 0;
    },
    fd_write(fd, iovs, count, total) {
      let sum = 0;
      for (let i = 0; i < count; i++) {
        const length = view().getUint32(iovs + 8 * i + 4, true);
        written(fd, bytesAt(view().getUint32(iovs + 8 * i, true), length).slice());
        sum += length;
      }
      view().setUint32(total, sum, true);
      return 0;
    },
    fd_fdstat_get(fd, stat) {
      bytesAt(stat, 24).fill(0)[0] = 2; // a character device, as a terminal is
      return 0;
    },
    fd_close: () => 0, fd_seek: () => 70, // ESPIPE: no output is a file
    proc_exit: (status) => { throw new Exit(status); },
    clock_time_get(id, precision, time) {
      view().setBigUint64(time, BigInt(Date.now() + clockOffset) * 1000000n, true);
      return 0;
    },
  });
  const instance = new WebAssembly.Instance(await modules[module], { wasi_snapshot_preview1: calls });
  memory = instance.exports.memory;
  return instance;
}

// Runs an instance to its end, suspending it where an import does (JavaScript Promise Integration):
// how it ended, as an Exit (a main that returns 0 makes no proc_exit call; a trap gives its message).
async function ending(instance, suspending) {
  try {
    await (suspending ? WebAssembly.promising(instance.exports._start) : instance.exports._start)();
    return new Exit(0);
  } catch (error) {
    return error instanceof Exit ? error : new Exit(String(error));
  }
}

// Shows an output's bytes as the static page does, each line numbered, each tab and trailing blank
// marked, other bytes outside printable ASCII escaped. What a program prints is placed as text.
function show(pre, bytes) {
  const mark = (kind, text, data = {}) => {
    const span = Object.assign(document.createElement("span"), { className: kind, textContent: text });
    Object.assign(span.dataset, data);
    return span;
  };
  const lines = Array.from(bytes, (byte) => String.fromCharCode(byte)).join("").split("\n");
  pre.replaceChildren();
  lines.forEach((line, i) => {
    if (i > 0) pre.append("\n");
    if (i < lines.length - 1 || line) pre.append(mark("ln", "", { n: i + 1 }));
    const body = line.replace(/ +$/, "");
    for (const part of body.split(/([^ -~])/)) { // runs of printable ASCII, and the bytes between
      if (part === "\t") pre.append(mark("tab", "\t"));
      else if (part.length === 1 && !/[ -~]/.test(part)) {
        const hex = part.charCodeAt(0).toString(16).padStart(2, "0");
        pre.append(mark("escaped", hex === "00" ? "\\0" : `\\x${hex}`, { byte: hex }));
      } else if (part) pre.append(part);
    }
    for (let at = body.length; at < line.length; at++) pre.append(mark("blank", " "));
  });
}

// An experiment runs the lesson afresh at each change: its output as text, its picture (standard
// error) as HTML, or, when it refuses an input (exit status 2), why, beside that input.
for (const form of document.querySelectorAll("form.experiment")) {
  const answer = async (event) => {
    event.preventDefault();
    form.setAttribute("aria-busy", "true");
    const inputs = [...form.querySelectorAll("input")].map((input) => `${input.name}=${input.value}`);
    const streams = { 1: [], 2: [] };
    const instance = await instantiate("lesson", ["lesson", form.dataset.experiment, ...inputs],
                                       (fd, bytes) => streams[fd].push(...bytes));
    const refused = (await ending(instance)).status === new Exit(2).status;
    const err = new TextDecoder().decode(new Uint8Array(streams[2]));
    for (const message of form.querySelectorAll(".message")) message.textContent = "";
    form.querySelector("output").classList.toggle("stale", refused); // the last answer, faded
    if (refused) {
      for (const line of err.split("\n").filter(Boolean)) {
        const at = line.indexOf("\t"); // "<name>\t<why>", and <why> may hold a tab
        form.querySelector(`.message[data-for="${line.slice(0, at)}"]`).textContent = line.slice(at + 1);
      }
    } else {
      show(form.querySelector("pre"), streams[1]);
      form.querySelector(".drawn").innerHTML = err;
    }
    form.removeAttribute("aria-busy");
  };
  for (const type of ["input", "change", "submit"]) form.addEventListener(type, answer);
}

// The run: the program itself. secondSampler polls the clock without end, so there each reading
// waits 5 ms on a timer, the module suspended meanwhile (JavaScript Promise Integration), and
// the page goes on between readings; the learner's clock steps reach its next reading.
const form = document.querySelector("form.run");
const [pre, status, start] = ["pre", ".status", "button:not([name])"].map((s) => form.querySelector(s));
const [endless, label] = ["endless" in form.dataset, start.textContent];
const steps = [...form.querySelectorAll("button[name]")]; // the sampler's clock steps
let running = null; // the run going on, if any
const stop = () => {
  [running, start.textContent] = [null, label];
  for (const step of steps) step.disabled = true;
};
stop();
form.addEventListener("submit", async (event) => {
  event.preventDefault();
  if (running) return stop();
  const run = (running = {}), printed = [], began = performance.now();
  [pre.textContent, status.textContent] = ["", endless ? "running" : ""];
  if (endless) [start.textContent, clockOffset] = [`Stop ${form.dataset.program}`, 0];
  for (const step of steps) step.disabled = false;
  const written = (fd, bytes) => fd === 1 && running === run && show(pre, printed.push(...bytes) && printed);
  const instance = await instantiate("program", [form.dataset.program], written, (calls) => {
    const read = calls.clock_time_get;
    calls.clock_time_get = endless ? new WebAssembly.Suspending(async (...args) => {
      await new Promise((resolve) => setTimeout(resolve, 5));
      if (running !== run) throw new Exit("stopped");
      return read(...args);
    }) : read;
    return calls;
  });
  const ended = (await ending(instance, endless)).status;
  if (running !== run && running) return; // a run stopped, and another started since
  status.textContent = `${ended}, after ${Math.round(performance.now() - began)} ms`;
  stop();
});
if (endless && typeof WebAssembly.Suspending !== "function") {
  status.textContent = "This browser cannot run the sampler here: it lacks WebAssembly's " +
    "JavaScript Promise Integration (WebAssembly.Suspending), which Chromium has.";
  for (const button of form.querySelectorAll("button")) button.disabled = true;
} else if (endless) {
  const step = (by) => {
    clockOffset += by * 1000;
    status.textContent = `running, its clock ${clockOffset < 0 ? "−" : "+"}${Math.abs(clockOffset / 1000)} s`;
  };
  form.elements.forward.addEventListener("click", () => step(300));
  form.elements.back.addEventListener("click", () => step(-60));
  document.addEventListener("visibilitychange", () => document.hidden && stop());
}
