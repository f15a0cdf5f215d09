// The page's side of the web back end (web.cpp): the canvas scaled by whole numbers, pointer and
// key input queued for the program, the wait for input or the next timer, the screen put on the
// canvas. What it measures and the input it delivered stay readable as Module.page.
mergeInto(LibraryManager.library, {
  $VelinorPage: {
    canvas: null,
    context: null,
    image: null,
    pointer: null,         // the pointer that is the stylus while it is down
    queue: [],             // [kind, x, y] waiting for the program
    wake: null,            // ends the program's wait
    wokeAt: 0,
    firstFrame: 0,         // performance.now() when the first frame reached the canvas
    frames: [],            // ms from waking up to the frame on the canvas, the latest last
    delivered: [],         // [tick, kind, x, y] as the program took them

    // The largest whole multiple of the screen's pixels that fits the window, in device pixels,
    // so that each screen pixel is a square of whole device pixels on a phone too.
    fit: function() {
      var canvas = VelinorPage.canvas;
      var ratio = window.devicePixelRatio || 1;
      var scale = Math.max(1, Math.floor(Math.min(window.innerWidth * ratio / canvas.width,
                                                  window.innerHeight * ratio / canvas.height)));
      canvas.style.width = (canvas.width * scale / ratio) + 'px';
      canvas.style.height = (canvas.height * scale / ratio) + 'px';
    },

    // Queues the input and wakes the program, which takes all of it.
    send: function(events) {
      Array.prototype.push.apply(VelinorPage.queue, events);
      if (VelinorPage.wake) VelinorPage.wake();
    },

    // A pointer's input with its place in screen pixels.
    pointerInput: function(kind, event) {
      var canvas = VelinorPage.canvas;
      var box = canvas.getBoundingClientRect();
      return [kind, Math.floor((event.clientX - box.left) * canvas.width / box.width),
              Math.floor((event.clientY - box.top) * canvas.height / box.height)];
    },
  },

  velinor_web_attach__deps: ['$VelinorPage'],
  velinor_web_attach: function(width, height) {
    var page = VelinorPage;
    var canvas = Module['canvas'] || document.querySelector('canvas');
    if (!canvas) {
      canvas = document.createElement('canvas');
      document.body.appendChild(canvas);
    }
    canvas.width = width;
    canvas.height = height;
    canvas.style.imageRendering = 'pixelated';
    canvas.style.touchAction = 'none';
    page.canvas = canvas;
    page.context = canvas.getContext('2d');
    page.image = page.context.createImageData(width, height);
    Module['page'] = page;

    canvas.addEventListener('pointerdown', function(event) {
      if (page.pointer !== null || !event.isPrimary || event.button !== 0) return;
      page.pointer = event.pointerId;
      canvas.setPointerCapture(event.pointerId);
      page.send([page.pointerInput(1, event)]);
      event.preventDefault();
    });
    canvas.addEventListener('pointermove', function(event) {
      if (event.pointerId !== page.pointer) return;
      // Every point the pointer passed, not only the last of a frame: a fast stroke skips no cell.
      var points = event.getCoalescedEvents ? event.getCoalescedEvents() : [];
      if (points.length === 0) points = [event];
      page.send(points.map(function(point) { return page.pointerInput(2, point); }));
    });
    var release = function(event) {
      if (event.pointerId !== page.pointer) return;
      page.pointer = null;
      page.send([page.pointerInput(3, event)]);
    };
    canvas.addEventListener('pointerup', release);
    canvas.addEventListener('pointercancel', release);
    canvas.addEventListener('contextmenu', function(event) { event.preventDefault(); });
    window.addEventListener('keydown', function(event) {
      var kind = {'Enter': 4, 'Escape': 5}[event.key];
      if (!kind) return;
      page.send([[kind, 0, 0]]);
      event.preventDefault();
    });
    window.addEventListener('resize', page.fit);
    page.fit();
  },

  // Returns when input is queued or after `timeout` ms (never without input when it is -1).
  velinor_web_wait__deps: ['$VelinorPage'],
  velinor_web_wait: function(timeout) {
    return Asyncify.handleSleep(function(wakeUp) {
      var page = VelinorPage;
      var timer = null;
      page.wake = function() {
        page.wake = null;
        if (timer !== null) clearTimeout(timer);
        page.wokeAt = performance.now();
        wakeUp();
      };
      // Even with input already waiting the page gets its turn first, so it can show the frame.
      if (page.queue.length) timeout = 0;
      if (timeout >= 0) timer = setTimeout(page.wake, timeout);
    });
  },

  velinor_web_take_input__deps: ['$VelinorPage'],
  velinor_web_take_input: function(event, tick) {
    var next = VelinorPage.queue.shift();
    if (!next) return 0;
    VelinorPage.delivered.push([tick >>> 0].concat(next));
    HEAP32[event >> 2] = next[0];
    HEAP32[(event >> 2) + 1] = next[1];
    HEAP32[(event >> 2) + 2] = next[2];
    return 1;
  },

  // `pixels`: the screen as RGBA bytes, row by row.
  velinor_web_present__deps: ['$VelinorPage'],
  velinor_web_present: function(pixels) {
    var page = VelinorPage;
    page.image.data.set(HEAPU8.subarray(pixels, pixels + page.image.data.length));
    page.context.putImageData(page.image, 0, 0);
    var now = performance.now();
    if (!page.firstFrame) page.firstFrame = now;
    if (page.wokeAt) {
      page.frames.push(now - page.wokeAt);
      if (page.frames.length > 100) page.frames.shift();
      page.wokeAt = 0;
    }
  },

  velinor_web_set_title: function(title) {
    document.title = UTF8ToString(title);
  },

  // Copies the address's parameter `name` into `out`; its length, or -1 when there is none.
  velinor_web_parameter: function(name, out, size) {
    var value = new URLSearchParams(window.location.search).get(UTF8ToString(name));
    if (value === null) return -1;
    stringToUTF8(value, out, size);
    return lengthBytesUTF8(value);
  },

  // The program has ended; the page may say so.
  velinor_web_ended: function() {
    if (Module['onEnded']) Module['onEnded']();
  },
});
