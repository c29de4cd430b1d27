// The browser host's print view: the report page as one SVG sheet in points
// (text, lines, rectangles and circles at the positions the program gives,
// on the sheet, from the origin and with the pen it gives), shown only when
// printing, and the browser's print dialog opened on it, under the
// document's name.
'use strict';

Object.assign(ZX, {
  svg(name, attrs, parent) {
    const e = document.createElementNS('http://www.w3.org/2000/svg', name);
    for (const k in attrs) e.setAttribute(k, attrs[k]);
    if (parent) parent.appendChild(e);
    return e;
  },

  printBegin(w, h, left, top, pen) {
    const view = document.getElementById('print');
    view.textContent = '';
    let sheet = document.getElementById('print-sheet');
    if (!sheet) {
      sheet = document.createElement('style');
      sheet.id = 'print-sheet';
      document.head.appendChild(sheet);
    }
    sheet.textContent = '@page { size: ' + w + 'pt ' + h + 'pt; margin: 0; }';
    const svg = ZX.svg('svg', {width: w + 'pt', height: h + 'pt', viewBox: '0 0 ' + w + ' ' + h}, view);
    ZX.page = ZX.svg('g', {transform: 'translate(' + left + ' ' + top + ')'}, svg);
    ZX.ink = ZX.svg('g', {fill: 'none', stroke: 'black', 'stroke-width': pen}, ZX.page);
  },

  // `y` is the text's baseline.
  printText(x, y, text, family, size) {
    const t = ZX.svg('text', {x, y, 'font-family': family, 'font-size': size,
                              fill: 'black', 'xml:space': 'preserve'}, ZX.page);
    t.textContent = text;
  },

  printShape(kind, a, b, c, d) {
    if (kind === 0) ZX.svg('line', {x1: a, y1: b, x2: c, y2: d}, ZX.ink);
    else if (kind === 1) ZX.svg('rect', {x: Math.min(a, c), y: Math.min(b, d), width: Math.abs(c - a), height: Math.abs(d - b)}, ZX.ink);
    else ZX.svg('circle', {cx: a, cy: b, r: c}, ZX.ink);
  },

  // The dialog opens once the print view's fonts are in and it has been
  // laid out, from a task of its own: print() may not return until the
  // dialog closes (Firefox runs the page on meanwhile), and nothing of the
  // program waits for it. A second 印刷 while a dialog is pending only
  // renews the page the dialog prints.
  printShow(name) {
    ZX.printName = name;
    if (ZX.printPending) return;
    ZX.printPending = true;
    document.fonts.ready.then(() => requestAnimationFrame(() => setTimeout(() => {
      const title = document.title;
      document.title = ZX.printName;
      try {
        window.print();
      } finally {
        ZX.printPending = false;
        document.title = title;
      }
    }, 0)));
  }
});
