#include "output/WebPage.h"

#include "core/Cp1252.h"
#include "output/MarkupText.h"
#include "output/PublishedPuzzle.h"
#include "output/SquareNumbering.h"

#include <cstdint>
#include <cstdio>

namespace zpx {

namespace {

// Squares shrink to fit a phone's width down to a size a finger can still
// tap; a wider grid then scrolls on its own, the page does not.
constexpr const char* PageStyle = R"CSS(
:root{color-scheme:light}
main{--sq:clamp(1.9rem,calc((100vw - 2rem)/var(--cols)),2.6rem)}
*{box-sizing:border-box}
body{margin:0 auto;max-width:62rem;padding:.75rem 1rem 2rem;font:1rem/1.45 Georgia,"Times New Roman",serif;color:#111;background:#fff}
h1{font-size:1.5rem;margin:.2rem 0}
.byline{margin:0 0 .5rem;font-style:italic}
.how{font-size:.9rem;color:#444;margin:.25rem 0 .75rem}
.scroll{overflow-x:auto;padding-bottom:.25rem}
.grid{display:grid;grid-template-columns:repeat(var(--cols),var(--sq));width:max-content;border:2px solid #111}
.sq,.bl{position:relative;width:var(--sq);height:var(--sq);border:1px solid #777;background:#fff}
.bk{width:var(--sq);height:var(--sq);background:#111}
.n,.w{position:absolute;top:0;font:calc(var(--sq)*.27)/1.15 Arial,"Liberation Sans",sans-serif;pointer-events:none;color:#333}
.n{left:.12rem}.w{right:.12rem}
input{position:absolute;inset:0;width:100%;height:100%;margin:0;border:0;padding:calc(var(--sq)*.22) 0 0;background:transparent;text-align:center;text-transform:uppercase;font:bold calc(var(--sq)*.5) Arial,"Liberation Sans",sans-serif;color:#00309a;caret-color:transparent;border-radius:0}
input:focus{outline:2px solid #1a5fd0;outline-offset:-2px;background:#dbe8ff}
.on{background:#eef3ff}
[data-state=wrong] input{color:#b00000;background:#ffd9d9}
ol{list-style:none;padding:0;margin:1rem 0}
.clue{margin:0 0 .9rem}
.clue p{margin:0 0 .25rem}
.clue.on p{background:#eef3ff}
.blanks{display:flex;flex-wrap:wrap;gap:2px}
.actions{position:sticky;bottom:0;background:#fff;padding:.5rem 0;border-top:1px solid #ccc;display:flex;gap:1rem;align-items:center}
button{font:inherit;padding:.35rem 1.2rem}
#status{font-weight:bold}
.solved #status{color:#0a6b00}
)CSS";

// Typing fills a square and its blank alike and moves on; arrow keys and
// Tab move between boxes; Check marks the wrong ones.
constexpr const char* PageScript = R"JS(
(function () {
  "use strict";
  var main = document.getElementById("puzzle");
  var answers = main.getAttribute("data-answers");
  var storageKey = main.getAttribute("data-key");
  var status = document.getElementById("status");
  var count = answers.length;
  var boxesOf = {};
  var grid = [];
  var blanks = [];
  var gridAt = {};

  function entriesStored() {
    try {
      var stored = window.localStorage.getItem(storageKey);
      if (stored && stored.length === count) return stored.split("");
    } catch (e) {}
    return new Array(count + 1).join(" ").split("");
  }
  var entries = entriesStored();

  function store() {
    try { window.localStorage.setItem(storageKey, entries.join("")); } catch (e) {}
  }

  function isSolved() {
    for (var i = 0; i < count; i++) {
      if (entries[i] === " " || (answers[i] !== "?" && entries[i] !== answers[i])) return false;
    }
    return count > 0;
  }

  function say(text) {
    status.textContent = text;
    main.classList.toggle("solved", text === "Solved");
  }

  function show(n) {
    var letter = entries[n - 1] === " " ? "" : entries[n - 1];
    boxesOf[n].forEach(function (box) { box.querySelector("input").value = letter; });
  }

  function setEntry(n, letter) {
    entries[n - 1] = letter || " ";
    boxesOf[n].forEach(function (box) { box.removeAttribute("data-state"); });
    show(n);
    store();
    say(isSolved() ? "Solved" : "");
  }

  function moveTo(list, index) {
    if (index >= 0 && index < list.length) list[index].input.focus();
  }

  // Down and up: the next letter square of the column, or the same letter of the next word.
  function vertical(box, delta) {
    if (box.list === grid) {
      for (var row = box.row + delta; row >= 1 && row <= 21; row += delta) {
        var other = gridAt[row] && gridAt[row][box.col];
        if (other) { other.input.focus(); return; }
      }
      return;
    }
    var firsts = blanks.filter(function (blank) { return blank.pos === 1; });
    var at = firsts.findIndex(function (first) { return first.word === box.word; }) + delta;
    if (at < 0 || at >= firsts.length) return;
    var target = firsts[at].index;
    for (var i = target; i < blanks.length && blanks[i].word === firsts[at].word && blanks[i].pos <= box.pos; i++)
      target = i;
    moveTo(blanks, target);
  }

  function onKey(box, event) {
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    var key = event.key;
    if (/^[a-zA-Z]$/.test(key)) {
      event.preventDefault();
      setEntry(box.n, key.toUpperCase());
      moveTo(box.list, box.index + 1);
    } else if (key === "Backspace") {
      event.preventDefault();
      if (entries[box.n - 1] !== " ") { setEntry(box.n, ""); return; }
      var back = box.list[box.index - 1];
      if (back) { setEntry(back.n, ""); back.input.focus(); }
    } else if (key === "Delete" || key === " ") {
      event.preventDefault();
      setEntry(box.n, "");
      if (key === " ") moveTo(box.list, box.index + 1);
    } else if (key === "ArrowRight" || key === "ArrowLeft") {
      event.preventDefault();
      moveTo(box.list, box.index + (key === "ArrowRight" ? 1 : -1));
    } else if (key === "ArrowDown" || key === "ArrowUp") {
      event.preventDefault();
      vertical(box, key === "ArrowDown" ? 1 : -1);
    }
  }

  // Phone keyboards often give no key: the letter arrives as input.
  function onInput(box) {
    var letters = box.input.value.replace(/[^a-zA-Z]/g, "");
    if (!letters) { setEntry(box.n, ""); return; }
    setEntry(box.n, letters.slice(-1).toUpperCase());
    moveTo(box.list, box.index + 1);
  }

  function highlight(box, on) {
    boxesOf[box.n].forEach(function (partner) {
      partner.classList.toggle("on", on);
      var clue = partner.closest(".clue");
      if (clue) clue.classList.toggle("on", on);
    });
  }

  Array.prototype.forEach.call(main.querySelectorAll("[data-n]"), function (element) {
    var input = element.querySelector("input");
    input.setAttribute("autocomplete", "off");
    input.setAttribute("autocapitalize", "characters");
    input.setAttribute("spellcheck", "false");
    var isGrid = element.hasAttribute("data-col");
    var box = {
      input: input, n: +element.getAttribute("data-n"),
      list: isGrid ? grid : blanks,
      col: +element.getAttribute("data-col"), row: +element.getAttribute("data-row"),
      word: element.getAttribute("data-word"), pos: +element.getAttribute("data-pos")
    };
    box.index = box.list.length;
    box.list.push(box);
    (boxesOf[box.n] = boxesOf[box.n] || []).push(element);
    if (isGrid) (gridAt[box.row] = gridAt[box.row] || {})[box.col] = box;
    input.addEventListener("keydown", function (event) { onKey(box, event); });
    input.addEventListener("input", function () { onInput(box); });
    input.addEventListener("focus", function () { highlight(box, true); });
    input.addEventListener("blur", function () { highlight(box, false); });
  });
  document.getElementById("check").addEventListener("click", function () {
    var wrong = 0;
    for (var n = 1; n <= count; n++) {
      var entry = entries[n - 1];
      var isWrong = entry !== " " && answers[n - 1] !== "?" && entry !== answers[n - 1];
      boxesOf[n].forEach(function (box) {
        if (isWrong) box.setAttribute("data-state", "wrong"); else box.removeAttribute("data-state");
      });
      if (isWrong) wrong++;
    }
    say(isSolved() ? "Solved" : wrong === 0 ? "No mistakes so far."
        : wrong === 1 ? "1 square is wrong." : wrong + " squares are wrong.");
  });

  for (var n = 1; n <= count; n++) show(n);
  say(isSolved() ? "Solved" : "");
})();
)JS";

// A name for the page's entries in the browser's storage, which every page
// opened from the disk shares: the same puzzle finds its entries again,
// another puzzle of the same title does not.
std::string storageKey(const std::string& title, const std::string& answers, const TPuzzleRecord& record)
{
    std::uint32_t hash = 2166136261u;
    const std::string identity = title + '\n' + std::to_string(record.width()) + 'x'
                                 + std::to_string(record.height()) + '\n' + answers;
    for (const char c : identity)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", hash);
    return std::string("zephyrtrace-") + hex;
}

std::string gridSquare(const TPuzzleRecord& record, int c, int r, int number)
{
    const std::string n = std::to_string(number);
    std::string square = "<div class=\"sq\" data-col=\"" + std::to_string(c) + "\" data-row=\"" + std::to_string(r)
                         + "\" data-n=\"" + n + "\"><span class=\"n\">" + n + "</span>";
    if (const auto slot = record.slotAt(c, r))
        square += "<span class=\"w\">" + wordLabel(slot->word) + "</span>";
    return square + "<input aria-label=\"square " + n + "\"></div>\n";
}

std::string clueItem(const PublishedWord& word, const SquareNumbers& numbers)
{
    std::string item = "<li class=\"clue\"><p><b>" + word.label + ".</b> "
                       + xmlText(cp1252ToUtf8(SmartQuotes(word.clue))) + "</p><div class=\"blanks\">";
    int position = 0;
    for (const int square : word.squares) {
        const std::string n = std::to_string(numbers.at(square / 100, square % 100));
        const std::string pos = std::to_string(++position);
        item += "<div class=\"bl\" data-word=\"" + word.label + "\" data-pos=\"" + pos + "\" data-n=\"" + n
                + "\"><span class=\"n\">" + n + "</span><input aria-label=\"" + word.label + " letter " + pos
                + "\"></div>";
    }
    return item + "</div></li>\n";
}

}  // namespace

std::string writeWebPage(const TPuzzleRecord& record, const std::string& title)
{
    SquareNumbers numbers;
    NumberSquares(record, numbers);
    std::string answers;
    for (const int square : quotationSquares(record)) {
        const char letter = solutionLetter(record, square / 100, square % 100);
        answers += letter ? letter : '?';
    }

    const std::string heading = xmlText(title);
    std::string page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                       "style-src 'unsafe-inline'; script-src 'unsafe-inline'; img-src data:\">\n"
                       "<meta name=\"generator\" content=\"Zephyrtrace\">\n<link rel=\"icon\" href=\"data:,\">\n"
                       "<title>" + heading + "</title>\n<style>" + PageStyle + "</style>\n</head>\n<body>\n"
                       "<main id=\"puzzle\" style=\"--cols:" + std::to_string(record.width()) + "\" data-answers=\"" + answers + "\" data-key=\""
                       + storageKey(title, answers, record) + "\">\n<h1>" + heading + "</h1>\n";
    if (record.Byline.length > 0)
        page += "<p class=\"byline\">by " + xmlText(cp1252ToUtf8(record.Byline.text())) + "</p>\n";
    page += "<p class=\"how\">Type in the grid or in the blanks under the clues: each letter appears in both "
            "places. The arrow keys and Tab move on.</p>\n"
            "<div class=\"scroll\"><div class=\"grid\">\n";
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c)
            page += record.isFilled(c, r) ? std::string("<div class=\"bk\"></div>\n")
                                          : gridSquare(record, c, r, numbers.at(c, r));
    page += "</div></div>\n<ol class=\"clues\">\n";
    for (const PublishedWord& word : publishedWords(record))
        if (!word.squares.empty())
            page += clueItem(word, numbers);
    page += "</ol>\n<p class=\"actions\"><button type=\"button\" id=\"check\">Check</button>"
            "<span id=\"status\" role=\"status\" aria-live=\"polite\"></span></p>\n</main>\n<script>";
    return page + PageScript + "</script>\n</body>\n</html>\n";
}

}  // namespace zpx
