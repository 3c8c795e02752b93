// SPDX-License-Identifier: GPL-3.0-or-later
// A small static file server for the built page, on 127.0.0.1 only.
//
//   node serve.mjs FOLDER [PORT]     (PORT 0 or none: any free port)
//
// Prints the page's address once it listens. Files are sent as they are,
// with their types and without caching; nothing outside FOLDER is served.
import {createServer} from 'node:http';
import {readFile, stat} from 'node:fs/promises';
import {extname, join, resolve, sep} from 'node:path';
import {pathToFileURL} from 'node:url';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.hlp': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.json': 'application/json; charset=utf-8',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
};

export function serve(folder, port = 0) {
  const root = resolve(folder);
  const server = createServer(async (request, response) => {
    try {
      const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
      let file = resolve(join(root, path));
      if (file !== root && !file.startsWith(root + sep)) throw Object.assign(new Error('outside'), {code: 'ENOENT'});
      if ((await stat(file)).isDirectory()) file = join(file, 'index.html');
      const body = await readFile(file);
      response.writeHead(200, {
        'Content-Type': TYPES[extname(file)] || 'application/octet-stream',
        'Content-Length': body.length,
        'Cache-Control': 'no-store',
      });
      response.end(request.method === 'HEAD' ? undefined : body);
    } catch (error) {
      const missing = error.code === 'ENOENT' || error.code === 'ENOTDIR' || error instanceof URIError;
      response.writeHead(missing ? 404 : 500, {'Content-Type': 'text/plain; charset=utf-8'});
      response.end(missing ? 'Not found\n' : 'Server error\n');
    }
  });
  return new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', () => done(server));
  });
}

export const addressOf = (server) => `http://127.0.0.1:${server.address().port}/`;

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [folder, port] = process.argv.slice(2);
  if (!folder) {
    console.error('usage: node serve.mjs FOLDER [PORT]');
    process.exit(2);
  }
  const server = await serve(folder, Number(port || 0));
  console.log(`Korvath simulation: ${addressOf(server)}  (Ctrl+C stops the server)`);
}
