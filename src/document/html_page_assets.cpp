#include "document/html_page_assets.h"

namespace abacore {

// Readable from a 360-pixel phone to a projector (the type grows with the window), usable with
// the keyboard alone (a plain order of fields, a focus ring that shows), and printable as a
// paper sheet: boxes print empty, buttons and marks not at all.
const char* const kPageStyle = R"CSS(html { font-size: clamp(16px, 0.8rem + 0.5vw, 30px); }
body { margin: 0; background: #fff; color: #111; line-height: 1.4;
  font-family: "Times New Roman", "Liberation Serif", serif; }
main { max-width: 62rem; margin: 0 auto; padding: 1rem; }
h1 { text-align: center; font-size: 1.6rem; margin: 0.5rem 0; }
h2 { font-size: 1.2rem; margin: 0.5rem 0; }
.version { text-align: center; font-weight: bold; }
.picture { display: block; margin: 0.5rem auto; max-width: 100%; height: auto; }
.directions, .riddle { font-weight: bold; font-style: italic; }
.riddle { font-size: 1.2rem; }
input { font: inherit; font-size: 1rem; padding: 0.15rem 0.3rem; color: #111; background: #fff;
  border: 2px solid #555; border-radius: 4px; }
:focus-visible { outline: 3px solid #0b57d0; outline-offset: 2px; }
.box { width: 5.5rem; }
.problems { list-style: none; padding: 0; display: grid; gap: 0.8rem 1.5rem;
  grid-template-columns: repeat(auto-fill, minmax(15rem, 1fr)); }
.problems .item { font-family: "Courier New", "Liberation Mono", monospace; }
.stories { grid-template-columns: 1fr; }
.stories .item { font-family: inherit; }
.num { font-weight: bold; }
.letter { display: block; }
.r { font-weight: bold; }
input.right { border-color: #11703a; background: #e6f4ea; }
input.wrong { border-color: #b3261e; background: #fce8e6; }
.mark { font-family: sans-serif; font-weight: bold; white-space: nowrap; }
.mark.right { color: #11703a; }
.mark.wrong { color: #b3261e; }
.matching { display: flex; flex-wrap: wrap; gap: 0 3rem; }
.matching .problems { flex: 1 1 17rem; grid-template-columns: 1fr; }
.matching .box { width: 3rem; text-transform: uppercase; }
.choices { flex: 1 1 12rem; list-style: none; padding: 0;
  font-family: "Courier New", "Liberation Mono", monospace; }
.choices li { margin-bottom: 0.8rem; }
.squares { display: flex; flex-wrap: wrap; gap: 1.5rem; }
.square { border: 1px solid #888; border-radius: 6px; padding: 0.5rem 1rem; }
.square .grid { display: grid; grid-template-columns: 5rem 5rem auto; gap: 0.4rem;
  align-items: center; }
.square .box { width: 100%; box-sizing: border-box; }
.res { font-family: "Courier New", "Liberation Mono", monospace; font-weight: bold; }
.punchline p { display: flex; flex-wrap: wrap; align-items: flex-start; gap: 0.6rem 1.2rem; }
.lead { font-weight: bold; font-size: 1.2rem; }
.word { display: inline-flex; flex-wrap: wrap; }
.blank { display: inline-flex; flex-direction: column; align-items: center; min-width: 2.3rem;
  margin: 0 0.15rem; }
.blank .ch { display: block; width: 100%; min-height: 1.7rem; text-align: center;
  font-size: 1.3rem; font-weight: bold; border-bottom: 2px solid #111; }
.blank .under { font-size: 0.75rem; }
.lit { font-size: 1.3rem; font-weight: bold; }
.cards { list-style: none; padding: 0; display: grid; gap: 1rem;
  grid-template-columns: repeat(auto-fill, minmax(16rem, 1fr)); }
.card { width: 100%; min-height: 8rem; font: inherit; font-size: 2.4rem; color: #111;
  background: #fffbe6; border: 3px solid #333; border-radius: 10px; cursor: pointer; }
.card[aria-pressed="true"] { background: #e8f0fe; }
.actions { display: flex; flex-wrap: wrap; align-items: center; gap: 1rem; margin: 1.5rem 0; }
.check { font: inherit; font-size: 1.1rem; padding: 0.5rem 1.2rem; color: #fff;
  background: #0b57d0; border: 2px solid #0b57d0; border-radius: 6px; cursor: pointer; }
.score { font-size: 1.2rem; font-weight: bold; }
.versions { columns: 12rem; }
.sheet + .sheet { margin-top: 2rem; padding-top: 1rem; border-top: 4px double #555; }
.puzzle { display: flex; flex-wrap: wrap; align-items: flex-start; gap: 1.5rem; }
.scroll { max-width: 100%; overflow-x: auto; }
.cw { border-collapse: collapse; }
.cw td { position: relative; width: 2rem; height: 2rem; padding: 0; border: 1px solid #333; }
.cw td.void { background: #444; }
.cw .no { position: absolute; top: 1px; left: 2px; font-size: 0.55rem; line-height: 1;
  pointer-events: none; }
.cell { display: block; width: 100%; height: 100%; box-sizing: border-box; padding: 0.45rem 0 0;
  text-align: center; font-weight: bold; border: 0; border-radius: 0; }
.cell.right { background: #e6f4ea; }
.cell.wrong { background: #fce8e6; }
.clues { flex: 1 1 15rem; }
.entries { list-style: none; padding: 0; }
@media print {
  html { font-size: 12pt; }
  main { max-width: none; padding: 0; }
  .actions, nav, .mark { display: none !important; }
  input { color: transparent !important; background: #fff !important;
    border-color: #000 !important; }
  .blank .ch { color: transparent; }
  .card .back[hidden] { display: inline; margin-left: 2rem; }
  .sheet + .sheet { break-before: page; border: 0; margin: 0; }
  .scroll { overflow: visible; }
}
)CSS";

// Checks what the pupil typed against the hashes the program wrote (see html_page.h: the same
// FNV-1a over "NUMBER|QUESTION|ROLE|ENTRY"), turns flash cards over, and moves about the
// crossword's grid. Nothing leaves the page.
const char* const kPageScript = R"JS((function () {
  'use strict';
  var encoder = new TextEncoder();

  function answerHash(text) {
    var bytes = encoder.encode(text);
    var hash = 0x811c9dc5;
    for (var i = 0; i < bytes.length; i++) {
      hash ^= bytes[i];
      hash = Math.imul(hash, 0x01000193) >>> 0;
    }
    return ('0000000' + hash.toString(16)).slice(-8);
  }
  window.answerHash = answerHash;

  // What was typed, tidied as the program tidied the answer before hashing it.
  function tidy(value, role) {
    var s = value.replace(/\s+/g, '').replace(/\u2212/g, '-');
    if (role === 'letter') return s.toUpperCase();
    if (role === 'remainder' && s === '') return '0';
    var m = /^([+-]?)0*(\d+)$/.exec(s);
    if (m) return (m[1] === '-' && m[2] !== '0' ? '-' : '') + m[2];
    return s;
  }

  function question(item) {
    var q = item.querySelector('.q');
    return q ? q.textContent : '';
  }

  function isRight(n, q, role, entry, hash) {
    return entry !== '' && answerHash(n + '|' + q + '|' + role + '|' + entry) === hash;
  }

  function show(element, right) {
    element.classList.toggle('right', right);
    element.classList.toggle('wrong', !right);
    if (element.tagName === 'INPUT') element.setAttribute('aria-invalid', right ? 'false' : 'true');
  }

  function showMark(item, right) {
    var mark = item.querySelector('.mark');
    if (!mark) return;
    mark.textContent = right ? '\u2713 Right' : '\u2717 Wrong';
    show(mark, right);
  }

  function checkBoxes(item) {
    var n = item.dataset.n, q = question(item), all = true;
    item.querySelectorAll('input[data-h]').forEach(function (box) {
      var role = box.dataset.role;
      var right = isRight(n, q, role, tidy(box.value, role), box.dataset.h);
      show(box, right);
      all = all && right;
    });
    return all;
  }

  function operate(sign, x, y) {
    if (sign === '+') return [x + y, 0];
    if (sign === '-') return [x - y, 0];
    if (sign === '\u00f7') return y === 0 ? null : [Math.trunc(x / y), x % y];
    return [x * y, 0];
  }

  // Right when both rows and both columns give their results: any solution counts.
  function checkSquare(square) {
    var boxes = square.querySelectorAll('input');
    var v = [];
    for (var i = 0; i < boxes.length; i++) {
      var s = tidy(boxes[i].value, 'answer');
      v.push(/^-?\d+$/.test(s) ? Number(s) : NaN);
    }
    var results = square.dataset.results.split(' ').map(Number);
    var rems = square.dataset.rems.split(' ').map(Number);
    var pairs = [[v[0], v[1]], [v[2], v[3]], [v[0], v[2]], [v[1], v[3]]];
    var right = pairs.every(function (p, k) {
      if (isNaN(p[0]) || isNaN(p[1])) return false;
      var r = operate(square.dataset.skill, p[0], p[1]);
      return r !== null && r[0] === results[k] && r[1] === rems[k];
    });
    boxes.forEach(function (box) { if (!box.readOnly) show(box, right); });
    return right;
  }

  function checkEntry(item, sheet) {
    var entry = item.dataset.cells.split(' ').map(function (id) {
      return sheet.querySelector('#' + id);
    });
    var typed = entry.map(function (cell) { return cell.value.trim(); });
    var complete = typed.every(function (c) { return c !== ''; });
    var right = complete && isRight(item.dataset.n, question(item), item.dataset.role,
                                    typed.join(''), item.dataset.h);
    entry.forEach(function (cell) {
      if (!right || !cell.classList.contains('wrong')) show(cell, right);
    });
    return right;
  }

  // Every blank over the number of a right answer shows that problem's letter.
  function revealPunchLine(sheet, rightItems) {
    var letters = {};
    rightItems.forEach(function (item) {
      if (item.dataset.letter)
        letters[tidy(item.querySelector('input').value, 'answer')] = item.dataset.letter;
    });
    sheet.querySelectorAll('.blank').forEach(function (blank) {
      var letter = letters[blank.dataset.for];
      blank.querySelector('.ch').textContent = letter || '\u00a0';
      blank.classList.toggle('shown', !!letter);
    });
  }

  function check(sheet) {
    var items = sheet.querySelectorAll('.item'), right = [];
    sheet.querySelectorAll('.cell').forEach(function (cell) {
      cell.classList.remove('right', 'wrong');
    });
    items.forEach(function (item) {
      var ok = item.classList.contains('square') ? checkSquare(item)
        : item.dataset.cells ? checkEntry(item, sheet) : checkBoxes(item);
      showMark(item, ok);
      if (ok) right.push(item);
    });
    revealPunchLine(sheet, right);
    sheet.querySelector('.score').textContent = 'Score: ' + right.length + ' of ' + items.length;
  }

  function turn(card) {
    var turned = card.getAttribute('aria-pressed') !== 'true';
    card.setAttribute('aria-pressed', turned ? 'true' : 'false');
    card.querySelector('.front').hidden = turned;
    card.querySelector('.back').hidden = !turned;
  }

  // The crossword: a typed character fills the cell and moves on along the entry; the arrow
  // keys move to the next cell in their direction and set it.
  function crossword(sheet) {
    var cells = {}, across = true;
    sheet.querySelectorAll('.cell').forEach(function (cell) {
      cells[cell.dataset.x + ',' + cell.dataset.y] = cell;
    });
    function neighbour(cell, dx, dy) {
      var x = Number(cell.dataset.x), y = Number(cell.dataset.y);
      for (var k = 1; k < 30; k++) {
        var next = cells[(x + k * dx) + ',' + (y + k * dy)];
        if (next) return next;
      }
      return null;
    }
    var moves = { ArrowRight: [1, 0], ArrowLeft: [-1, 0], ArrowDown: [0, 1], ArrowUp: [0, -1] };
    sheet.addEventListener('keydown', function (e) {
      var cell = e.target;
      if (!cell.classList || !cell.classList.contains('cell')) return;
      var move = moves[e.key];
      if (move) {
        across = move[1] === 0;
        var next = neighbour(cell, move[0], move[1]);
        if (next) next.focus();
        e.preventDefault();
      } else if (e.key.length === 1 && e.key !== ' ' && !e.ctrlKey && !e.metaKey && !e.altKey) {
        cell.value = e.key; // a typed character replaces the cell's
        advance(cell);
        e.preventDefault();
      } else if (e.key === 'Backspace' && cell.value === '') {
        var back = across ? cells[(Number(cell.dataset.x) - 1) + ',' + cell.dataset.y]
                          : cells[cell.dataset.x + ',' + (Number(cell.dataset.y) - 1)];
        if (back) { back.value = ''; back.focus(); }
        e.preventDefault();
      }
    });
    function advance(cell) {
      var next = across ? cells[(Number(cell.dataset.x) + 1) + ',' + cell.dataset.y]
                        : cells[cell.dataset.x + ',' + (Number(cell.dataset.y) + 1)];
      if (next) next.focus();
    }
    // Typing that sends no key (a phone's keyboard): keep the last character.
    sheet.addEventListener('input', function (e) {
      var cell = e.target;
      if (!cell.classList.contains('cell') || cell.value === '') return;
      cell.value = Array.from(cell.value.trim()).pop() || '';
      advance(cell);
    });
    sheet.addEventListener('focusin', function (e) {
      if (e.target.classList.contains('cell')) e.target.select();
    });
  }

  document.querySelectorAll('.sheet').forEach(function (sheet) {
    var button = sheet.querySelector('.check');
    if (button) button.addEventListener('click', function () { check(sheet); });
    sheet.querySelectorAll('.card').forEach(function (card) {
      card.addEventListener('click', function () { turn(card); });
    });
    if (sheet.querySelector('.cell')) crossword(sheet);
  });
})();
)JS";

} // namespace abacore
