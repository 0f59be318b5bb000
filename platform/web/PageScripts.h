#pragma once

// Scripts the browser view runs in the page, in a world of its own so the
// page's scripts neither see nor disturb them.

// Marks an element once the user has typed into it.
inline const char *kMarkEditsScript = R"JS(
document.addEventListener('input', function (e) { if (e.target) e.target.__gavrinEdited = true; }, true);
)JS";

// True when a text field, text area or editable element has the focus and
// holds text the user changed since the page loaded.
inline const char *kUserIsEditingScript = R"JS(
(function () {
  var a = document.activeElement;
  while (a && (a.tagName === 'IFRAME' || a.tagName === 'FRAME')) {
    try { a = a.contentDocument.activeElement; } catch (e) { return false; }
  }
  if (!a) return false;
  var textTypes = ['', 'text', 'search', 'email', 'number', 'tel', 'url', 'password'];
  if (a.tagName === 'TEXTAREA' ||
      (a.tagName === 'INPUT' && textTypes.indexOf((a.getAttribute('type') || '').toLowerCase()) >= 0))
    return a.value !== a.defaultValue;
  return !!(a.isContentEditable && a.__gavrinEdited);
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
