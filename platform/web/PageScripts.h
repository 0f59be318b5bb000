#pragma once

// Scripts the browser view runs in the page, in a world of its own so the
// page's scripts neither see nor disturb them.

// Marks an element with the time the user last typed into it.
inline const char *kMarkEditsScript = R"JS(
document.addEventListener('input', function (e) { if (e.target) e.target.__gavrinEditedAt = Date.now(); }, true);
)JS";

// The milliseconds since the user last typed into the focused text field,
// text area or editable element, when it holds text the user changed since the
// page loaded; -1 otherwise.
inline const char *kTypedTextAgeScript = R"JS(
(function () {
  var a = document.activeElement;
  while (a && (a.tagName === 'IFRAME' || a.tagName === 'FRAME')) {
    try { a = a.contentDocument.activeElement; } catch (e) { return -1; }
  }
  if (!a || !a.__gavrinEditedAt) return -1;
  var textTypes = ['', 'text', 'search', 'email', 'number', 'tel', 'url', 'password'];
  var changed = false;
  if (a.tagName === 'TEXTAREA' ||
      (a.tagName === 'INPUT' && textTypes.indexOf((a.getAttribute('type') || '').toLowerCase()) >= 0))
    changed = a.value !== a.defaultValue;
  else
    changed = !!a.isContentEditable;
  return changed ? Math.max(0, Date.now() - a.__gavrinEditedAt) : -1;
})()
)JS";

// [selector, text] of the element at (%1, %2) in page pixels, or null. The
// selector walks up to the nearest id, else to the body, by tag positions, so
// it finds the same element again after a reload of the same page.
inline const char *kChooseElementScript = R"JS(
(function (x, y) {
  var el = document.elementFromPoint(x, y);
  if (!el) return null;
  var parts = [];
  for (var e = el; e && e.nodeType === 1 && e !== document.documentElement; e = e.parentElement) {
    if (e.id) { parts.unshift('#' + CSS.escape(e.id)); break; }
    var i = 1;
    for (var s = e.previousElementSibling; s; s = s.previousElementSibling)
      if (s.tagName === e.tagName) i++;
    parts.unshift(e.tagName.toLowerCase() + ':nth-of-type(' + i + ')');
  }
  return [parts.join(' > '), (el.innerText || el.textContent || '').trim()];
})(%1, %2)
)JS";

// The text of the element with the selector given as a JSON string, or null.
inline const char *kReadElementScript = R"JS(
(function (selector) {
  var el = document.querySelector(selector);
  return el ? (el.innerText || el.textContent || '').trim() : null;
})(%1)
)JS";
