// The page side of the browser host, as little as the C++ needs: elements
// by number, replaying draw lists onto canvases, turning the page's events
// into calls of the exported zx_ functions, the settings lists, the print view,
// the live region, F1 and the closing screen. C++ decides what is drawn and
// where, down to where a label's text breaks and each line's baseline; the
// page draws the glyphs in the bundled fonts.
'use strict';

var ZX = {
  el: [null],  // element records by number: {kind, root, node, ...}
  colours: new Map(),
  images: new Map(),
  families: [],  // by typeface number, from C++ (ui/font.h) at start

  dpr() { return window.devicePixelRatio || 1; },
  css(px) { return px / ZX.dpr() + 'px'; },
  node(parent) { return parent ? ZX.el[parent].node : document.getElementById('desk'); },
  tag(name, cls, parent) {
    const e = document.createElement(name);
    if (cls) e.className = cls;
    if (parent) parent.appendChild(e);
    return e;
  },

  create(kind, parent) {
    const id = ZX.el.length;
    const at = kind === 6 || kind === 9 ? null : ZX.node(parent);
    let rec;
    switch (kind) {
      case 0: rec = ZX.makeWindow(id, at); break;
      case 1: rec = ZX.makeCanvas(id, at); break;
      case 2: {
        const b = ZX.tag('button', 'zx-button', at);
        b.type = 'button';
        b.tabIndex = -1;
        b.addEventListener('click', () => Module._zx_button(id));
        rec = {root: b, node: b, focusable: b};
        break;
      }
      case 3: {
        const g = ZX.tag('div', 'zx-group', at);
        g.setAttribute('role', 'group');
        rec = {root: g, node: g};
        break;
      }
      case 4: { const p = ZX.tag('div', 'zx-picture', at); rec = {root: p, node: p}; break; }
      case 5: rec = ZX.makeCombo(id, at); break;
      case 7: { const t = ZX.tag('div', 'zx-item', at); rec = {root: t, node: t}; break; }
      case 8: rec = ZX.makeMarker(id, at); break;
      case 9: {
        // Right behind its element, whose focus shows it (zemlox.css).
        const owner = ZX.el[parent].root, c = document.createElement('canvas');
        c.className = 'zx-ring';
        owner.after(c);
        owner.zxRing = c;
        rec = {root: c, node: c, ctx: null};
        break;
      }
      default: {
        const c = document.createElement('canvas');
        rec = {root: c, node: c, ctx: null};
      }
    }
    rec.kind = kind;
    ZX.el.push(rec);
    return id;
  },

  makeWindow(id, at) {
    const w = ZX.tag('section', 'zx-window', at);
    w.setAttribute('role', 'dialog');
    w.style.display = 'none';
    const title = ZX.tag('div', 'zx-title', w);
    const caption = ZX.tag('span', 'zx-caption', title);
    const close = ZX.tag('button', 'zx-close', title);
    close.type = 'button';
    close.tabIndex = -1;
    close.setAttribute('aria-label', '閉じる');
    close.textContent = '\u00d7';
    close.addEventListener('click', () => Module._zx_close(id));
    const client = ZX.tag('div', 'zx-client', w);
    ZX.touchTitle(id, title, close, client);
    return {root: w, node: client, title, caption, close, x: 0, y: 0, w: 0, h: 0, th: 0, edge: 0};
  },

  makeCanvas(id, at) {
    const c = ZX.tag('canvas', 'zx-canvas', at);
    const send = (type, e) => {
      const touch = e.pointerType === 'touch';
      if (touch && !e.isPrimary) return;  // a second finger does nothing
      const r = c.getBoundingClientRect();
      let buttons = e.buttons;
      if (type === 2) buttons |= [1, 4, 2][e.button] || 0;
      const mods = (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
      Module._zx_pointer(id, type, e.clientX - r.left, e.clientY - r.top, buttons, mods, touch ? 1 : 0);
    };
    c.addEventListener('pointermove', e => send(0, e));
    c.addEventListener('pointerdown', e => {
      if (e.pointerType === 'mouse') c.setPointerCapture(e.pointerId);
      // No mouse events after a touch: their press would take the focus
      // from a list the touch opened.
      if (e.pointerType === 'touch') e.preventDefault();
      send(1, e);
    });
    c.addEventListener('pointerup', e => send(2, e));
    c.addEventListener('pointercancel', e => { if (e.pointerType === 'touch') send(3, e); });
    // Nor a click: a list the touch opened may stand under the finger.
    c.addEventListener('touchend', e => { if (e.cancelable) e.preventDefault(); });
    c.addEventListener('contextmenu', e => e.preventDefault());
    return {root: c, node: c, ctx: null, opaque: true};
  },

  // A canvas's drawing context, made when it is first drawn on: by then it
  // has its size, and canvases never drawn on (most focus rings and drawing
  // layers until their window is used) cost the start nothing.
  context(rec) {
    return rec.ctx || (rec.ctx = rec.root.getContext('2d', rec.opaque ? {alpha: false} : undefined));
  },

  // A finger on a title bar, beside its close box: to the window's touch
  // areas, in CSS pixels from the client area's corner.
  touchTitle(id, title, close, client) {
    const send = (type, e) => {
      if (e.pointerType !== 'touch' || !e.isPrimary || e.target === close) return;
      const r = client.getBoundingClientRect();
      Module._zx_pointer(id, type, e.clientX - r.left, e.clientY - r.top, 0, 0, 1);
    };
    title.addEventListener('pointerdown', e => {
      if (e.pointerType === 'touch' && e.target !== close) e.preventDefault();
      send(1, e);
    });
    title.addEventListener('pointermove', e => send(0, e));
    title.addEventListener('pointerup', e => send(2, e));
    title.addEventListener('pointercancel', e => send(3, e));
    title.addEventListener('touchend', e => { if (e.cancelable && e.target !== close) e.preventDefault(); });
  },

  // A touch beside a settings list opens it as its arrow does.
  openList(id) {
    const rec = ZX.el[id];
    const arrow = rec && rec.root.querySelector('.zx-combo-arrow');
    if (arrow) arrow.dispatchEvent(new PointerEvent('pointerdown', {bubbles: true, cancelable: true}));
  },

  // A painted label that can be picked up: a button over it, its keys to
  // C++ by their names, which C++ turns into the program's keys.
  makeMarker(id, at) {
    const m = ZX.tag('div', 'zx-item', at);
    m.setAttribute('role', 'button');
    m.tabIndex = -1;
    m.addEventListener('keydown', e => {
      if (e.ctrlKey || e.altKey || e.metaKey) return;
      if (Module.ccall('zx_item_key', 'number', ['number', 'string', 'number'], [id, e.key, e.shiftKey ? 1 : 0]))
        e.preventDefault();
    });
    return {root: m, node: m, focusable: m};
  },

  remove(id) {
    const rec = ZX.el[id];
    if (!rec) return;
    rec.root.remove();
    if (rec.root.zxRing) rec.root.zxRing.remove();
    ZX.el[id] = null;
  },

  place(id, x, y, w, h) {
    const rec = ZX.el[id];
    if (!rec) return;
    if (rec.kind === 0) {
      Object.assign(rec, {x, y, w, h});
      ZX.layoutWindow(rec);
      return;
    }
    const s = rec.root.style;
    s.left = ZX.css(x);
    s.top = ZX.css(y);
    s.width = ZX.css(w);
    s.height = ZX.css(h);
  },

  dressWindow(id, th, edge, px, factor) {
    const rec = ZX.el[id];
    if (!rec) return;
    Object.assign(rec, {th, edge});
    rec.root.dataset.zoom = factor;
    rec.title.style.fontSize = ZX.css(px);
    ZX.layoutWindow(rec);
  },

  layoutWindow(rec) {
    const s = rec.root.style;
    s.left = ZX.css(rec.x);
    s.top = ZX.css(rec.y);
    s.width = ZX.css(rec.w);
    s.height = ZX.css(rec.h + rec.th);
    s.borderWidth = ZX.css(rec.edge);
    rec.title.style.height = ZX.css(rec.th);
    rec.close.style.width = ZX.css(rec.th);
    const c = rec.node.style;
    c.top = ZX.css(rec.th);
    c.width = ZX.css(rec.w);
    c.height = ZX.css(rec.h);
  },

  resizeCanvas(id, w, h) {
    const rec = ZX.el[id];
    if (!rec) return;
    if (rec.root.width !== w) rec.root.width = w;
    if (rec.root.height !== h) rec.root.height = h;
    if (rec.ctx) rec.ctx.zxFont = null;  // a new size resets the canvas's state
  },

  setText(id, s) {
    const rec = ZX.el[id];
    if (!rec) return;
    switch (rec.kind) {
      case 0: rec.caption.textContent = s; rec.root.setAttribute('aria-label', s); break;
      case 2: rec.root.textContent = s; break;
      case 3: rec.root.setAttribute('aria-label', s); break;
      case 5: if (rec.input.value !== s) rec.input.value = s; break;
      case 7: if (rec.root.textContent !== s) rec.root.textContent = s; break;
      case 8: if (rec.root.getAttribute('aria-label') !== s) rec.root.setAttribute('aria-label', s); break;
    }
  },

  setName(id, s) {
    const rec = ZX.el[id];
    if (!rec) return;
    if (rec.kind === 4) rec.root.setAttribute('role', 'figure');
    (rec.focusable || rec.root).setAttribute('aria-label', s);
  },

  // Each announcement is a new paragraph of the live region: said once, even
  // when it repeats the one before.
  announce(s) {
    const p = document.createElement('p');
    p.textContent = s;
    document.getElementById('live').replaceChildren(p);
  },

  setVisible(id, v) {
    const rec = ZX.el[id];
    if (rec) rec.root.style.display = v ? '' : 'none';
  },

  setItems(id, s, selected) {
    const rec = ZX.el[id];
    if (!rec) return;
    rec.items = s ? s.split('\n') : [];
    rec.selected = selected;
  },

  setFont(id, px) {
    const rec = ZX.el[id];
    if (rec) rec.root.style.fontSize = ZX.css(px);
  },

  joinTab(id) {
    const rec = ZX.el[id];
    if (!rec || !rec.focusable) return;
    rec.focusable.tabIndex = 0;
    const chain = [];
    for (let e = rec.root; e && !e.classList.contains('zx-client'); e = e.parentElement) chain.push(e);
    for (const e of chain.reverse()) {
      if (e.zxInTabOrder) continue;
      e.zxInTabOrder = true;
      e.parentElement.appendChild(e);
      if (e.zxRing) e.after(e.zxRing);
    }
  },

  focus(id) {
    const rec = ZX.el[id];
    if (rec) (rec.focusable || rec.root).focus({preventScroll: true});
  },

  hasFocus(id) {
    const rec = ZX.el[id];
    return !!rec && rec.root.contains(document.activeElement);
  },

  windowState(id, z, active, inert) {
    const rec = ZX.el[id];
    if (!rec) return;
    rec.root.style.display = z > 0 ? '' : 'none';
    rec.root.style.zIndex = z;
    rec.root.classList.toggle('zx-inactive', !active);
    rec.root.inert = !!inert;
  },

  // The height the windows may take: the page's but for the bar below the desk.
  roomHeight() {
    const bar = document.getElementById('bar');
    return document.documentElement.clientHeight - (bar ? bar.offsetHeight : 0);
  },

  desk(w, h) {
    const s = document.getElementById('desk').style;
    s.width = ZX.css(w);
    s.height = ZX.css(h);
  },

  colour(rgb) {
    let c = ZX.colours.get(rgb);
    if (!c) {
      c = '#' + (rgb | 0x1000000).toString(16).slice(1);
      ZX.colours.set(rgb, c);
    }
    return c;
  },

  // The next browser frame runs the program's frame (zx_frame). One callback
  // for the whole run: asking for a frame allocates nothing.
  frameAsked: false,
  requestFrame() {
    if (ZX.frameAsked) return;
    ZX.frameAsked = true;
    requestAnimationFrame(ZX.onFrame);
  },
  onFrame() {
    ZX.frameAsked = false;
    Module._zx_frame();
  },

  // Draws a draw list (see draw_list.h) starting at HEAP32[p].
  replay(id, p, n) {
    const rec = ZX.el[id];
    if (!rec) return;
    const c = ZX.context(rec), H = HEAP32, end = p + n;
    let i = p;
    while (i < end) {
      switch (H[i++]) {
        case 1: c.fillStyle = ZX.colour(H[i++]); break;
        case 2: {
          let k = H[i++];
          if (k === 1) {
            c.fillRect(H[i], H[i + 1], H[i + 2], H[i + 3]);
            i += 4;
          } else {
            c.beginPath();
            for (; k > 0; --k, i += 4) c.rect(H[i], H[i + 1], H[i + 2], H[i + 3]);
            c.fill();
          }
          break;
        }
        case 3: {
          let k = H[i++];
          c.save();
          c.beginPath();
          for (; k > 0; --k, i += 4) c.rect(H[i], H[i + 1], H[i + 2], H[i + 3]);
          c.clip();
          break;
        }
        case 4:
          c.restore();
          c.zxFont = null;  // a font set inside the clip is gone with it
          break;
        case 5: ZX.text(c, H, i); i += 10; break;
        case 6: {
          const layer = ZX.el[H[i]];
          if (layer) c.drawImage(layer.root, H[i + 1], H[i + 2]);
          i += 3;
          break;
        }
        case 7: ZX.image(c, H[i], H[i + 1], H[i + 2], H[i + 3], UTF8ToString(H[i + 4], H[i + 5])); i += 6; break;
        case 8:
          c.putImageData(ZX.pixelView(rec, H[i], H[i + 1], H[i + 2]), 0, 0, H[i + 3], H[i + 4], H[i + 5], H[i + 6]);
          i += 7;
          break;
        default: return;
      }
    }
  },

  // A part of a pixel buffer (see pixel_buffer.h) copied onto a canvas as it
  // is: the image data is a view of the program's memory, so only the part
  // is copied, once (a new view when the buffer moves or memory grows).
  putPixels(id, p, stride, x, y, w, h) {
    const rec = ZX.el[id];
    if (rec) ZX.context(rec).putImageData(ZX.pixelView(rec, p, stride, rec.root.height), 0, 0, x, y, w, h);
  },
  // The image data a canvas's pixels come from, kept on its record.
  pixelView(rec, p, stride, rows) {
    let img = rec.pixels;
    if (!img || img.data.buffer !== HEAPU8.buffer || img.zxAt !== p || img.width !== stride || img.height !== rows) {
      img = rec.pixels = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, p, stride * rows * 4), stride, rows);
      img.zxAt = p;
    }
    return img;
  },

  // A canvas font string for face 0 or 1 at `px` pixels, made once.
  fonts: new Map(),
  fontOf(face, px) {
    const key = px * 16 + face;
    let f = ZX.fonts.get(key);
    if (!f) {
      f = px + 'px ' + (ZX.families[face] || ZX.families[0]) + ', ' + ZX.families[0] + ', sans-serif';
      ZX.fonts.set(key, f);
    }
    return f;
  },

  // A text run: its lines as the C++ broke them, in whole pixels, each
  // baseline `step` pixels below the last, clipped to the label; bold struck
  // over `strike` pixels.
  text(c, H, i) {
    const x = H[i], y = H[i + 1], w = H[i + 2], h = H[i + 3], px = H[i + 4], flags = H[i + 5];
    const lines = UTF8ToString(H[i + 6], H[i + 7]).split('\n'), baseline = H[i + 8], step = H[i + 9];
    const strike = flags >> 8;
    // Set outside the run's own clip, so the next run in the same font need
    // not set it again: a new font costs the browser a look at the page's
    // style. Each run stands on the canvas's default alphabetic baseline.
    const font = ZX.fontOf((flags >> 4) & 15, px);
    if (c.zxFont !== font) c.font = c.zxFont = font;
    c.save();
    c.beginPath();
    c.rect(x, y, w, h);
    c.clip();
    for (let k = 0; k < lines.length; ++k)
      for (let dx = 0; dx <= strike; ++dx) c.fillText(lines[k], x + dx, y + baseline + k * step);
    c.restore();
  },

  // A picture scaled to exactly the device pixels given.
  image(c, x, y, w, h, url) {
    const img = ZX.picture(url);
    if (!img.complete || !img.naturalWidth) return;
    // Each device pixel shows the picture's pixel under its centre, as in every host.
    c.imageSmoothingEnabled = false;
    c.drawImage(img, x, y, w, h);
  },

  // A picture of the site, asked for on first use; the windows repaint once
  // it is in, should they have been drawn without it.
  picture(url) {
    // Under the name the site gives it (with its content's hash), as preloaded.
    url = (self.zxSite && self.zxSite.files[url]) || url;
    if (ZX.images.has(url)) return ZX.images.get(url);
    const img = new Image();
    img.src = url;
    ZX.images.set(url, img);
    // One the page has preloaded may be there at once, with no need to wait
    // for its load event, nor to repaint when that comes.
    if (img.complete && img.naturalWidth) {
      img.loaded = Promise.resolve();
      return img;
    }
    img.loaded = new Promise(r => {
      img.onload = () => {
        r();
        if (ZX.started) Module._zx_repaint_all();
      };
      img.onerror = r;
    });
    return img;
  },

  ended() {
    document.getElementById('desk').hidden = true;
    const e = document.getElementById('ended');
    e.hidden = false;
    document.title = ZX.pageTitle;
    e.querySelector('button').focus();
  },

};

// F1 in any window: the teacher's guide in a new tab, not the browser's
// help; a pupil's page (class_page.js) keeps the guide to the teacher.
window.addEventListener('keydown', e => {
  if (e.key !== 'F1' || e.ctrlKey || e.altKey || e.metaKey || e.shiftKey) return;
  e.preventDefault();
  if (!ZX.pupil) window.open('guide/teacher-guide.html', '_blank', 'noopener');
});

// A new device pixel ratio (the browser's zoom, a screen of another density)
// lays the windows out anew: the program reads the ratio only then.
ZX.watchRatio = () => {
  matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
    if (typeof Module !== 'undefined' && Module._zx_ratio_changed) Module._zx_ratio_changed();
    ZX.watchRatio();
  }, {once: true});
};
ZX.watchRatio();

// The program compiles while the page is still being read and the windows'
// font and the site's pictures load (the page's warm-up text and preload
// links ask for them); it starts once all are in, or after a few seconds
// without them, in the browser's own font.
// The page's loader then takes its loading state away.
ZX.pageRead = new Promise(r => (document.readyState === 'loading' ? document.addEventListener('DOMContentLoaded', r) : r()));
ZX.pageRead.then(() => {
  ZX.pageTitle = document.title;  // the page's own, before a window's caption takes its place
  document.getElementById('restart').addEventListener('click', () => location.reload());
});
// Of the fonts, only the windows' (the first) holds the start back; the
// report's is only printed and loads once the menu is there.
ZX.startWithFonts = (families, start) => {
  ZX.families = families;
  const shown = families[0], printed = families.slice(1);
  // Mostly in already: the page's warm-up text had it loaded while the
  // program compiled. Asking for it then would still wait on the browser.
  const font = '16px ' + shown;
  const fonts = document.fonts.check(font, '\u6C34') ? Promise.resolve(performance.mark('zemlox-font'))
    : document.fonts.load(font, '\u6C34').then(() => performance.mark('zemlox-font'), () => {});
  // The pictures the page asked for ahead (index.html's preload links), so
  // that the menu's first frame has its picture.
  const pictures = [...document.querySelectorAll('link[rel=preload][as=image]')]
    .map(l => ZX.picture(l.getAttribute('href')).loaded);
  Promise.all([Promise.race([Promise.all([fonts, ...pictures]), new Promise(r => setTimeout(r, 3000))]), ZX.pageRead]).then(() => {
    performance.mark('zemlox-start');
    ZX.started = true;
    try {
      start();
    } catch (e) {
      // Said at once: the menu may already stand in the page, half drawn.
      if (self.zxStart) self.zxStart.crashed(e);
      throw e;
    }
    performance.mark('zemlox-started');
    if (self.zxStart) self.zxStart.done();
    // Once the frame with the menu has been drawn.
    requestAnimationFrame(() => setTimeout(() => performance.mark('zemlox-first-frame')));
    for (const f of printed) document.fonts.load('16px ' + f, '\u6C34').catch(() => {});
  });
};
