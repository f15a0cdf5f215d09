// The registry's text in the page's localStorage (registry_web.cpp): it outlives a reload and a
// browser restart, and one setItem replaces it whole. Storage that is turned off or full throws;
// that is a failed read or write, and the game goes on with what it has.
mergeInto(LibraryManager.library, {
  $VelinorRegistry: {
    item: 'velinor.registry',
    text: null,  // read by velinor_registry_read, copied out by velinor_registry_copy
  },

  // The length of the stored text in UTF-8, which the next call copies out; -1 when there is
  // none, -2 when the storage cannot be read. Read once, so both calls see the same text.
  velinor_registry_read__deps: ['$VelinorRegistry'],
  velinor_registry_read: function() {
    try {
      VelinorRegistry.text = window.localStorage.getItem(VelinorRegistry.item);
    } catch (e) {
      return -2;
    }
    return VelinorRegistry.text === null ? -1 : lengthBytesUTF8(VelinorRegistry.text);
  },

  velinor_registry_copy__deps: ['$VelinorRegistry'],
  velinor_registry_copy: function(out, size) {
    stringToUTF8(VelinorRegistry.text, out, size);
    VelinorRegistry.text = null;
  },

  // 1 when the text was stored, 0 when the storage refused it.
  velinor_registry_write__deps: ['$VelinorRegistry'],
  velinor_registry_write: function(text) {
    try {
      window.localStorage.setItem(VelinorRegistry.item, UTF8ToString(text));
      return 1;
    } catch (e) {
      return 0;
    }
  },
});
