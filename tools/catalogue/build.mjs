// Builds the flag catalogue into media/: the continent lists n1..n6, the quiz
// list wn.txt, the small flags gf/, the large flags gfx/, the globes k1..k6
// and the closing picture ee.png. Run from the repository root (build.sh does).
import fs from 'node:fs';
import path from 'node:path';
import { spawnSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import { COUNTRIES, BOX, CELLS, LARGE, displayName } from './countries.mjs';
import { globeSvg } from './globe.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const media = path.resolve(process.argv[2] ?? 'media');
const flagSet = path.join(here, 'node_modules/svg-country-flags/svg');
const ownFlags = path.join(here, 'flags');
const work = fs.mkdtempSync(path.join(fs.realpathSync('/tmp'), 'catalogue-'));

function run(cmd, args) {
  const r = spawnSync(cmd, args, { stdio: ['ignore', 'inherit', 'inherit'] });
  if (r.status !== 0) throw new Error(`${cmd} ${args.join(' ')} failed`);
}

// Renders an SVG file to a PNG of exactly w x h pixels.
function render(svg, out, w, h) {
  run('rsvg-convert', ['-w', String(w), '-h', String(h), '-o', out, svg]);
}

// The intrinsic size of an SVG: its width/height, else its viewBox.
export function svgSize(text) {
  const tag = text.match(/<svg\b[^>]*>/s)[0];
  const attr = (n) => {
    const m = tag.match(new RegExp(`\\s${n}\\s*=\\s*"([^"]*)"`));
    return m ? m[1] : null;
  };
  const w = attr('width'), h = attr('height');
  if (w && h && /^[\d.]+(px)?$/.test(w) && /^[\d.]+(px)?$/.test(h)) return [parseFloat(w), parseFloat(h)];
  const vb = attr('viewBox').trim().split(/[\s,]+/).map(Number);
  return [vb[2], vb[3]];
}

// The largest size with the ratio sw:sh that fits a W x H box.
export function fit([sw, sh], [W, H]) {
  if (sw * H >= sh * W) return [W, Math.max(1, Math.round((W * sh) / sw))];
  return [Math.max(1, Math.round((H * sw) / sh)), H];
}

function checkName(name) {
  if (!name || /[\/\\\r\n]/.test(name) || name.startsWith('.') || name !== name.trim())
    throw new Error(`bad file-name form: ${JSON.stringify(name)}`);
}

const collator = new Intl.Collator('pl', { sensitivity: 'base' });
const byDisplay = (a, b) => collator.compare(displayName(a), displayName(b)) || (a < b ? -1 : 1);
const writeList = (file, names) => fs.writeFileSync(file, names.map((n) => n + '\n').join(''));

function sourceOf(code) {
  const own = path.join(ownFlags, `${code}.svg`);
  return fs.existsSync(own) ? own : path.join(flagSet, `${code}.svg`);
}

function buildFlags() {
  for (const dir of ['gf', 'gfx']) {
    fs.mkdirSync(path.join(media, dir), { recursive: true });
    for (const f of fs.readdirSync(path.join(media, dir))) if (f.endsWith('.png')) fs.rmSync(path.join(media, dir, f));
  }
  const manifest = ['# name\tsource\twidth\theight (intrinsic size of the vector source)'];
  for (const [continent, code, , name] of COUNTRIES) {
    checkName(name);
    const src = sourceOf(code);
    const size = svgSize(fs.readFileSync(src, 'utf8'));
    manifest.push([name, path.relative(here, src), size[0], size[1]].join('\t'));
    const [lw, lh] = fit(size, LARGE);
    render(src, path.join(media, 'gfx', `${name}.png`), lw, lh);
    if (continent) {
      const [sw, sh] = fit(size, BOX[continent]);
      render(src, path.join(media, 'gf', `${name}.png`), sw, sh);
    }
  }
  fs.writeFileSync(path.join(here, 'ratios.tsv'), manifest.join('\n') + '\n');
}

function buildLists() {
  for (let c = 1; c <= 6; c++) {
    const names = COUNTRIES.filter((r) => r[0] === c).map((r) => r[3]).sort(byDisplay);
    if (names.length > CELLS[c]) throw new Error(`continent ${c}: ${names.length} names, ${CELLS[c]} cells`);
    writeList(path.join(media, `n${c}.txt`), names);
  }
  const all = COUNTRIES.map((r) => r[3]).sort(byDisplay);
  if (all.length !== 200 || new Set(all).size !== 200) throw new Error('quiz list must hold 200 different names');
  writeList(path.join(media, 'wn.txt'), all);
}

function buildGlobes() {
  for (let c = 1; c <= 6; c++) {
    const svg = path.join(work, `k${c}.svg`);
    fs.writeFileSync(svg, globeSvg(c));
    const png = path.join(media, `k${c}.png`);
    render(svg, png, 300, 300);
    // Nearly invisible edge pixels become fully transparent.
    run('convert', [png, '-channel', 'A', '-black-threshold', '4%', '+channel', png]);
  }
}

function buildClosingPicture() {
  const svg = path.join(here, 'art/ee.svg');
  const [w, h] = svgSize(fs.readFileSync(svg, 'utf8'));
  render(svg, path.join(media, 'ee.png'), w, h);
}

const what = new Set(process.argv.slice(3));
const all = what.size === 0;
fs.mkdirSync(media, { recursive: true });
if (all || what.has('lists')) buildLists();
if (all || what.has('flags')) buildFlags();
if (all || what.has('globes')) buildGlobes();
if (all || what.has('ee')) buildClosingPicture();
fs.rmSync(work, { recursive: true, force: true });
