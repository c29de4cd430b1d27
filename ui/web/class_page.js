// The page's part in a class: the start reads a teacher's link (the text
// after '#', handed to the program as it is), the bar's 「この配置を配る」
// (also F2), a pupil's page without the guide's door, and the files and the
// clipboard the program hands over. Which layout a link means is the
// program's to decide.
'use strict';

// The address a teacher's link starts with: this page's, without its '#…'.
ZX.siteAddress = () => location.href.split('#')[0];
ZX.linkText = () => {
  try {
    return decodeURIComponent(location.hash.slice(1));
  } catch (e) {
    return location.hash.slice(1);  // the program finds it unreadable and says so
  }
};

// After the program's start: pupil, whether the link was a pupil's.
ZX.classPage = pupil => ZX.pageRead.then(() => {
  ZX.pupil = !!pupil;
  const door = document.getElementById('guide-door'), share = document.getElementById('share-door');
  if (door) door.hidden = ZX.pupil;
  if (!share) return;
  share.hidden = ZX.pupil;
  if (!share.dataset.wired) {
    share.dataset.wired = '1';
    share.addEventListener('click', () => Module._zx_share());
  }
});

window.addEventListener('keydown', e => {
  if (e.key !== 'F2' || e.repeat || e.ctrlKey || e.altKey || e.metaKey || e.shiftKey || !ZX.started) return;
  e.preventDefault();
  if (!ZX.pupil) Module._zx_share();
});

// A download of bytes the program made; false where the browser refused.
ZX.download = (name, type, bytes) => {
  try {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([bytes], {type}));
    a.download = name;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 60000);
    return 1;
  } catch (e) {
    console.warn('Zemlox: download refused: ' + e);
    return 0;
  }
};

// The clipboard: the asynchronous one where the page may use it, else the
// old copy command on a hidden text field; false where neither is there.
ZX.copyText = text => {
  const byCommand = () => {
    const t = document.createElement('textarea');
    t.value = text;
    t.setAttribute('readonly', '');
    t.style.cssText = 'position:fixed;left:-9999px;top:0';
    document.body.appendChild(t);
    t.select();
    let ok = false;
    try {
      ok = document.execCommand('copy');
    } catch (e) { /* refused */ }
    t.remove();
    return ok;
  };
  if (navigator.clipboard && window.isSecureContext) {
    navigator.clipboard.writeText(text).catch(byCommand);
    return 1;
  }
  return byCommand() ? 1 : 0;
};
