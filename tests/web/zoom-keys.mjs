// Zoom keys as a pupil presses them: Ctrl with +, = , - or 0.
export async function zoomKey(page, key) {
  await page.keyboard.down('Control');
  await page.keyboard.press(key);
  await page.keyboard.up('Control');
}

// From whatever zoom to 100 %: Ctrl with - until it stops.
export async function zoom100(page) {
  for (let i = 0; i < 7; ++i) await zoomKey(page, '-');
}
