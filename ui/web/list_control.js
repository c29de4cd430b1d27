// The browser host's settings list: an editable text with a drop-down list
// of items. Only a pick reaches the program: a click on an item of the open
// list (zx_combo_pick), or the arrow keys or the wheel on the focused list
// (zx_combo_step, zx_combo_wheel, the program choosing the item); typing only changes the
// text, and Enter, Escape and leaving the list pick nothing.
'use strict';

Object.assign(ZX, {
  makeCombo(id, at) {
    const box = ZX.tag('div', 'zx-combo', at);
    const input = ZX.tag('input', 'zx-combo-text', box);
    input.type = 'text';
    input.tabIndex = -1;
    input.setAttribute('role', 'combobox');
    input.setAttribute('aria-expanded', 'false');
    const arrow = ZX.tag('span', 'zx-combo-arrow', box);
    arrow.setAttribute('aria-hidden', 'true');
    const list = ZX.tag('div', 'zx-combo-list', box);
    list.setAttribute('role', 'listbox');
    list.hidden = true;
    const rec = {root: box, node: box, input, list, focusable: input, items: [], selected: -1};
    const pick = i => Module._zx_combo_pick(id, i);
    const step = d => Module._zx_combo_step(id, d);
    const close = () => { list.hidden = true; input.setAttribute('aria-expanded', 'false'); };
    const open = () => {
      list.textContent = '';
      rec.items.forEach((text, i) => {
        const o = ZX.tag('div', 'zx-combo-item', list);
        o.setAttribute('role', 'option');
        o.textContent = text;
        o.setAttribute('aria-selected', i === rec.selected ? 'true' : 'false');
        o.addEventListener('pointerdown', e => e.preventDefault());
        o.addEventListener('click', () => { close(); pick(i); });
      });
      list.hidden = false;
      input.setAttribute('aria-expanded', 'true');
    };
    rec.close = close;
    input.addEventListener('input', () => Module.ccall('zx_combo_type', null, ['number', 'string'], [id, input.value]));
    input.addEventListener('keydown', e => {
      if ((e.key === 'ArrowDown' && e.altKey) || e.key === 'F4') {
        e.preventDefault();
        list.hidden ? open() : close();
      } else if (['ArrowDown', 'ArrowUp', 'PageDown', 'PageUp'].includes(e.key) && !e.ctrlKey && !e.altKey) {
        e.preventDefault();
        step(e.key === 'ArrowDown' || e.key === 'PageDown' ? 1 : -1);
      } else if (e.key === 'Enter' || e.key === 'Escape') {
        close();
      }
    });
    input.addEventListener('wheel', e => {
      if (Module._zx_combo_wheel(id, e.deltaY, document.activeElement === input ? 1 : 0)) e.preventDefault();
    }, {passive: false});
    input.addEventListener('blur', close);
    arrow.addEventListener('pointerdown', e => {
      e.preventDefault();
      input.focus();
      list.hidden ? open() : close();
    });
    return rec;
  }
});
